// From the payment editor to the lists, the search, the export and the help,
// and back with the chosen payment.
#include "Controls.h"
#include "PaymentFixtures.h"
#include "ModalDriver.h"
#include "ResidentFixture.h"
#include "TestServices.h"

#include "agenda/PaymentGridWindows.h"
#include "ui/windows/HelpTexts.h"
#include "ui/windows/TfrmGuida.h"
#include "app/Windows.h"
#include "payments/PaymentListWindows.h"
#include "payments/TfrmArchivio_Scadenze.h"
#include "payments/TfrmStampaScadenza.h"
#include "payments/TfrmStartup.h"
#include "payments/TfrmTrovaScadenze.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/RowList.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

class TestEditorLinks : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    TfrmArchivio_Scadenze *ed() const { return Windows::resident().archivio; }

    template <typename Window>
    void withModal(PictureButton *opener, const std::function<void(Window *)> &act)
    {
        QVERIFY2(whileModal<Window>([opener] { opener->click(); }, act), "the expected window did not open");
    }
private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15));
        Residents::switchTo(nullptr, ed());
    }
    void cleanup() { m_env.reset(); }

    void listLoadsTheClickedPaymentEvenWhenRowsRepeat()
    {
        // An unsettled payment (1) and a settled one (3) that give the same row text.
        PaymentRecord unsettled = makePayment(QStringLiteral("10/05/2025"));
        unsettled.Note = QStringLiteral("da pagare");
        PaymentRecord other = makePayment(QStringLiteral("11/05/2025"));
        other.Contatto = QStringLiteral("Altro");
        PaymentRecord settled = unsettled;
        settled.Ottemperata = QStringLiteral("Sì");
        settled.Note = QStringLiteral("pagato");
        writePaymentArchive({unsettled, other, settled});

        withModal<TfrmConfermati>(child<PictureButton>(ed(), "cmdDaAssolvere"), [](TfrmConfermati *list) {
            QCOMPARE(child<RowListView>(list, "lstRecords")->count(), 2);
            doubleClick(child<RowListView>(list, "lstRecords"), 1); // "Immobiliare Rossi" sorts after "Altro"
        });
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(ed(), "txtNote")->text(), QStringLiteral("da pagare"));
        QVERIFY(!child<QCheckBox>(ed(), "chkOttemperata")->isChecked());

        withModal<TfrmAssolti>(child<PictureButton>(ed(), "cmdAssolti"),
                               [](TfrmAssolti *list) { doubleClick(child<RowListView>(list, "lstRecords"), 0); });
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("3"));
        QCOMPARE(child<QLineEdit>(ed(), "txtNote")->text(), QStringLiteral("pagato"));
        QVERIFY(child<QCheckBox>(ed(), "chkOttemperata")->isChecked());

        withModal<TfrmScaduti>(child<PictureButton>(ed(), "cmdScaduti"), [](TfrmScaduti *list) {
            QCOMPARE(child<RowListView>(list, "lstRecords")->count(), 2);
            child<QAbstractButton>(list, "btnChiudi")->click();
        });
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("3"));
    }

    void searchLoadsIntoTheEditor()
    {
        PaymentRecord a = makePayment(QStringLiteral("10/05/2025"));
        PaymentRecord b = makePayment(QStringLiteral("12/05/2025"));
        b.Contatto = QStringLiteral("Mario Bianchi");
        writePaymentArchive({a, b});
        withModal<TfrmTrovaScadenze>(child<PictureButton>(ed(), "cmdTrova"), [](TfrmTrovaScadenze *search) {
            // Opened by the payment editor, it hands the chosen payment over.
            QSignalSpy chosen(search, &ListWindow::recordChosen);
            child<QLineEdit>(search, "txtContatto")->setText(QStringLiteral("bianchi"));
            child<QAbstractButton>(search, "btnCerca")->click();
            doubleClick(child<RowListView>(search, "lstRecords"), 0);
            QCOMPARE(chosen.count(), 1);
        });
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("2"));
        QCOMPARE(child<QLineEdit>(ed(), "txtContatto")->text(), QStringLiteral("Mario Bianchi"));
    }

    void cardPrintAndPreviewShowTheBoxes()
    {
        // A card never saved prints what the boxes hold.
        child<QLineEdit>(ed(), "txtData")->setText(QStringLiteral("20/06/2025"));
        child<QLineEdit>(ed(), "txtCausale")->setText(QStringLiteral("Canone giugno"));
        child<QLineEdit>(ed(), "txtImporto")->setText(QStringLiteral("99,90"));
        child<QCheckBox>(ed(), "chkOttemperata")->setChecked(true);
        withModal<TfrmStampaScadenza>(child<PictureButton>(ed(), "cmdStampa"),
                                      [](TfrmStampaScadenza *w) { child<QPushButton>(w, "btnStampa")->click(); });
        QCOMPARE(m_env->reports.printed.size(), 1);
        const QString printed = pdfText(m_env->reports.printed[0]);
        QVERIFY(printed.contains(QStringLiteral("Canone giugno")));
        QVERIFY(printed.contains(QStringLiteral("99,90")));
        QVERIFY(printed.contains(QStringLiteral("Sì")));
        withModal<TfrmStartup>(child<PictureButton>(ed(), "cmdAnteprima"),
                               [](TfrmStartup *w) { child<QPushButton>(w, "btnStampa")->click(); });
        QCOMPARE(m_env->reports.previewed.size(), 1);
        QVERIFY(pdfText(m_env->reports.previewed[0]).contains(QStringLiteral("20/06/2025")));
        QVERIFY(child<QAbstractButton>(ed(), "cmdStampa")->isEnabled());
    }

    void exportAndHelp()
    {
        writePaymentArchive({makePayment(QStringLiteral("10/05/2025"))});
        withModal<TfrmExpScadenzario>(child<PictureButton>(ed(), "cmdEsporta"),
                                      [](TfrmExpScadenzario *grid) { QCOMPARE(grid->model()->rowCount(), 1); });
        withModal<TfrmGuida>(child<PictureButton>(ed(), "cmdGuida"), [](TfrmGuida *help) {
            QCOMPARE(child<QLabel>(help, "lblTitolo")->text(), HelpTexts::forPaymentEditor().title);
        });
    }
};

QTEST_MAIN(TestEditorLinks)
#include "tst_editorlinks.moc"
