// From the payment editor to the contact import and back: four boxes of the
// card take the chosen contact, nothing else changes and nothing is saved.
#include "Controls.h"
#include "ContactFixtures.h"
#include "ModalDriver.h"
#include "PaymentFixtures.h"
#include "ResidentFixture.h"
#include "ShownRecords.h"
#include "TestServices.h"

#include "app/Windows.h"
#include "contacts/TfrmImportaAnagrafica.h"
#include "payments/TfrmArchivio_Scadenze.h"
#include "records/RecordArchive.h"
#include "ui/widgets/InfoBar.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/RowList.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
// The payment record the card describes, with its four contact fields set aside.
PaymentRecord withoutContact(PaymentRecord r)
{
    r.Contatto.clear();
    r.Tel.clear();
    r.Cel.clear();
    r.Email.clear();
    return r;
}
}

class TestContactImport : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    TfrmArchivio_Scadenze *ed() const { return Windows::resident().archivio; }
    QByteArray payments() const { return m_env->readFile(QString::fromLatin1(PaymentRecord::FileName)); }

    // Opens the import from the card, searches by name and double-clicks the
    // first row found (or closes the window when row is -1).
    void importByName(const QString &name, int row = 0)
    {
        QVERIFY2(whileModal<TfrmImportaAnagrafica>([this] { child<QAbstractButton>(ed(), "impContatto")->click(); },
                                                   [&](TfrmImportaAnagrafica *w) {
                                                       // Opened by the payment editor, it hands the contact over.
                                                       QSignalSpy chosen(w, &TfrmImportaAnagrafica::contactChosen);
                                                       QCOMPARE(w->parentWidget(), ed());
                                                       child<QLineEdit>(w, "txtNome")->setText(name);
                                                       child<QAbstractButton>(w, "btnCerca")->click();
                                                       QVERIFY(child<RowListView>(w, "lstRecords")->count() > row);
                                                       if (row < 0)
                                                           child<QAbstractButton>(w, "btnChiudi")->click();
                                                       else
                                                           doubleClick(child<RowListView>(w, "lstRecords"), row);
                                                       QCOMPARE(chosen.count(), row < 0 ? 0 : 1);
                                                   }),
                 "the import window did not open");
    }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15));
        Residents::switchTo(nullptr, ed());
        QVERIFY(QTest::qWaitForWindowActive(ed()));
    }
    void cleanup() { m_env.reset(); }

    void hint()
    {
        QCOMPARE(child<InfoBar>(ed(), "panInfo")->hintFor(child<PictureButton>(ed(), "impContatto")),
                 QStringLiteral("Importa i dati dall'archivio anagrafico dei contatti."));
    }

    void replacesOnlyTheFourBoxesOfASavedPayment()
    {
        PaymentRecord first = makePayment(QStringLiteral("01/06/2025"));
        PaymentRecord second = makePayment(QStringLiteral("02/06/2025"));
        second.Note = QStringLiteral("rata di giugno");
        writePaymentArchive({first, second});
        ContactRecord wide = makeContact(QStringLiteral("  ") + QString(60, QLatin1Char('N')) + QStringLiteral(" "));
        wide.Tel = QStringLiteral(" 051 ") + QString(26, QLatin1Char('7'));          // 30 once trimmed
        wide.Cel = QStringLiteral("339 ") + QString(46, QLatin1Char('8'));           // 50, the box holds 30
        wide.Email = QString(108, QLatin1Char('e')) + QStringLiteral("@example.it"); // 119
        wide.Email = wide.Email.leftJustified(120, QLatin1Char('x'));
        writeContactArchive({makeContact(QStringLiteral("Altro")), wide});

        child<QAbstractButton>(ed(), "cmdUltimo")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("2"));
        const PaymentRecord before = shownPayment(ed());
        const QByteArray stored = payments();

        importByName(QStringLiteral("nnnn"));
        QCOMPARE(child<QLineEdit>(ed(), "txtContatto")->text(), QString(50, QLatin1Char('N')));
        QCOMPARE(child<QLineEdit>(ed(), "txtTel")->text(), QStringLiteral("051 ") + QString(26, QLatin1Char('7')));
        QCOMPARE(child<QLineEdit>(ed(), "txtCel")->text(),
                 (QStringLiteral("339 ") + QString(46, QLatin1Char('8'))).left(30));
        QCOMPARE(child<QLineEdit>(ed(), "txtEmail")->text().size(), 50);
        QCOMPARE(child<QLineEdit>(ed(), "txtEmail")->text(), QString(50, QLatin1Char('e')));
        // Nothing else on the card, not its number; nothing in the file.
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("2"));
        QCOMPARE(withoutContact(shownPayment(ed())), withoutContact(before));
        QCOMPARE(payments(), stored);

        // The save then writes the imported values over the same payment.
        child<QAbstractButton>(ed(), "cmdSalva")->click();
        QCOMPARE(payments().size(), 2 * PaymentRecord::Size);
        const PaymentRecord saved = PaymentArchive::read(2);
        QCOMPARE(saved.Contatto, QString(50, QLatin1Char('N')));
        QCOMPARE(saved.Email, QString(50, QLatin1Char('e')));
        QCOMPARE(saved.Note, QStringLiteral("rata di giugno"));
        QCOMPARE(PaymentArchive::read(1), PaymentRecord::decode(stored.left(PaymentRecord::Size)));
    }

    void emptyFieldsEmptyTheBoxes()
    {
        ContactRecord bare;
        bare.Nome = QStringLiteral("Solo nome");
        writeContactArchive({bare});
        ed()->newCard();
        child<QLineEdit>(ed(), "txtTel")->setText(QStringLiteral("051 1"));
        child<QLineEdit>(ed(), "txtCel")->setText(QStringLiteral("333 1"));
        child<QLineEdit>(ed(), "txtEmail")->setText(QStringLiteral("vecchia@example.it"));
        importByName(QStringLiteral("solo"));
        QCOMPARE(child<QLineEdit>(ed(), "txtContatto")->text(), QStringLiteral("Solo nome"));
        QVERIFY(child<QLineEdit>(ed(), "txtTel")->text().isEmpty());
        QVERIFY(child<QLineEdit>(ed(), "txtCel")->text().isEmpty());
        QVERIFY(child<QLineEdit>(ed(), "txtEmail")->text().isEmpty());
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString()); // still a new card
    }

    void equalRowsImportTheClickedContact()
    {
        ContactRecord first = makeContact(QStringLiteral("Famiglia Verdi"));
        first.CodFisc.clear();
        first.Cel.clear();
        ContactRecord second = first;
        first.Email = QStringLiteral("luca@example.it");
        second.Email = QStringLiteral("giulia@example.it");
        writeContactArchive({first, second});
        importByName(QStringLiteral("verdi"), 0);
        QCOMPARE(child<QLineEdit>(ed(), "txtEmail")->text(), QStringLiteral("luca@example.it"));
        importByName(QStringLiteral("verdi"), 1);
        QCOMPARE(child<QLineEdit>(ed(), "txtEmail")->text(), QStringLiteral("giulia@example.it"));
    }

    void closingWithoutAChoiceChangesNothing()
    {
        writeContactArchive({makeContact(QStringLiteral("Mario Rossi"))});
        child<QLineEdit>(ed(), "txtContatto")->setText(QStringLiteral("Prima"));
        child<QLineEdit>(ed(), "txtEmail")->setText(QStringLiteral("prima@example.it"));
        importByName(QStringLiteral("rossi"), -1);
        QCOMPARE(child<QLineEdit>(ed(), "txtContatto")->text(), QStringLiteral("Prima"));
        QCOMPARE(child<QLineEdit>(ed(), "txtEmail")->text(), QStringLiteral("prima@example.it"));
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestContactImport)
#include "tst_contactimport.moc"
