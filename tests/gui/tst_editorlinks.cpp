// From the payment editor to the lists, the search, the export and the help,
// and back with the chosen payment.
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
    void cleanup()
    {
        m_env.reset();
    }

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

        withModal<TfrmConfermati>(ed()->cmdDaAssolvere, [](TfrmConfermati *list) {
            QCOMPARE(list->lstRecords->count(), 2);
            doubleClick(list->lstRecords, 1); // "Immobiliare Rossi" sorts after "Altro"
        });
        QCOMPARE(ed()->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(ed()->txtNote->text(), QStringLiteral("da pagare"));
        QVERIFY(!ed()->chkOttemperata->isChecked());

        withModal<TfrmAssolti>(ed()->cmdAssolti, [](TfrmAssolti *list) { doubleClick(list->lstRecords, 0); });
        QCOMPARE(ed()->lblPosizione->text(), QStringLiteral("3"));
        QCOMPARE(ed()->txtNote->text(), QStringLiteral("pagato"));
        QVERIFY(ed()->chkOttemperata->isChecked());

        withModal<TfrmScaduti>(ed()->cmdScaduti, [](TfrmScaduti *list) {
            QCOMPARE(list->lstRecords->count(), 2);
            list->btnChiudi->click();
        });
        QCOMPARE(ed()->lblPosizione->text(), QStringLiteral("3"));
    }

    void searchLoadsIntoTheEditor()
    {
        PaymentRecord a = makePayment(QStringLiteral("10/05/2025"));
        PaymentRecord b = makePayment(QStringLiteral("12/05/2025"));
        b.Contatto = QStringLiteral("Mario Bianchi");
        writePaymentArchive({a, b});
        withModal<TfrmTrovaScadenze>(ed()->cmdTrova, [](TfrmTrovaScadenze *search) {
            QCOMPARE(search->lblMemory->text(), QStringLiteral("scadenze"));
            search->txtContatto->setText(QStringLiteral("bianchi"));
            search->btnCerca->click();
            doubleClick(search->lstRecords, 0);
        });
        QCOMPARE(ed()->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(ed()->txtContatto->text(), QStringLiteral("Mario Bianchi"));
    }

    void cardPrintAndPreviewShowTheBoxes()
    {
        // A card never saved prints what the boxes hold.
        ed()->txtData->setText(QStringLiteral("20/06/2025"));
        ed()->txtCausale->setText(QStringLiteral("Canone giugno"));
        ed()->txtImporto->setText(QStringLiteral("99,90"));
        ed()->chkOttemperata->setChecked(true);
        withModal<TfrmStampaScadenza>(ed()->cmdStampa, [](TfrmStampaScadenza *w) { w->btnStampa->click(); });
        QCOMPARE(m_env->reports.printed.size(), 1);
        const QString printed = pdfText(m_env->reports.printed[0]);
        QVERIFY(printed.contains(QStringLiteral("Canone giugno")));
        QVERIFY(printed.contains(QStringLiteral("99,90")));
        QVERIFY(printed.contains(QStringLiteral("Sì")));
        withModal<TfrmStartup>(ed()->cmdAnteprima, [](TfrmStartup *w) { w->btnStampa->click(); });
        QCOMPARE(m_env->reports.previewed.size(), 1);
        QVERIFY(pdfText(m_env->reports.previewed[0]).contains(QStringLiteral("20/06/2025")));
        QVERIFY(ed()->cmdStampa->isEnabled());
    }

    void exportAndHelp()
    {
        writePaymentArchive({makePayment(QStringLiteral("10/05/2025"))});
        withModal<TfrmExpScadenzario>(ed()->cmdEsporta, [](TfrmExpScadenzario *grid) {
            QCOMPARE(grid->model()->rowCount(), 1);
        });
        withModal<TfrmGuida>(ed()->cmdGuida, [](TfrmGuida *help) {
            QCOMPARE(help->lblTitolo->text(), HelpTexts::forPaymentEditor().title);
        });
    }
};

QTEST_MAIN(TestEditorLinks)
#include "tst_editorlinks.moc"
