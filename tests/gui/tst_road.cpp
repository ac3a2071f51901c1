// The typical road across the three apps, on the program as start-up leaves
// it: log in, enter a contact, schedule a payment for it, be warned, settle
// it, see it in the journal and export it. Each step looks at what the user
// sees: rows, labels and messages.
#include "Controls.h"
#include "CalcReader.h"
#include "ModalDriver.h"
#include "ResidentFixture.h"
#include "TestServices.h"

#include "agenda/PaymentGridWindows.h"
#include "agenda/TfrmAgenda.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmPassword.h"
#include "app/Windows.h"
#include "contacts/TfrmAnagrafica.h"
#include "contacts/TfrmImportaAnagrafica.h"
#include "journal/TfrmBilancio.h"
#include "journal/TfrmMenuBilancio.h"
#include "payments/PaymentListWindows.h"
#include "payments/TfrmArchivio_Scadenze.h"
#include "payments/TfrmCalendario.h"
#include "records/ContactRecord.h"
#include "records/PaymentRecord.h"
#include "records/RecordArchive.h"
#include "ui/entry/EntryBox.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/RowList.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QFile>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
// Each key goes where the focus is at that moment, as the keyboard's would.
void typeAtFocus(const QString &text)
{
    for (QChar c : text) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY2(target, "no box has the focus");
        typeText(target, QString(c));
    }
}

// Types into a box as the user does: focus, keys, then leaves it with Tab.
void fill(QLineEdit *box, const QString &text)
{
    // After a modal window the card's window must be active again first.
    box->activateWindow();
    QTest::qWaitForWindowActive(box->window());
    box->setFocus(Qt::MouseFocusReason);
    QTest::qWaitFor([box] { return box->hasFocus(); });
    box->selectAll();
    typeAtFocus(text);
}

void pick(QComboBox *box, const QString &item) { box->setCurrentIndex(box->findText(item)); }

bool anyRowHas(const QStringList &rows, const QStringList &pieces)
{
    for (const QString &row : rows) {
        bool all = true;
        for (const QString &p : pieces)
            all = all && row.contains(p);
        if (all)
            return true;
    }
    return false;
}
}

class TestRoad : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    ResidentWindows w() const { return Windows::resident(); }

    QStringList messages() const { return m_env->dialogs.texts(); }

    void logIn()
    {
        // The program folder as the build lays it out: the password file with
        // the initial password, and the alarm sound.
        for (const QString name : {QStringLiteral("unins000.dll"), QStringLiteral("Avviso.mp3")}) {
            QFile shipped(qEnvironmentVariable("TARVENIO_ASSETS") + QLatin1Char('/') + name);
            QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(name + QStringLiteral(" is not shipped")));
            m_env->writeFile(name, shipped.readAll());
        }
        Residents::switchTo(nullptr, Windows::first());
        QCOMPARE(Windows::first(), w().password);
        QVERIFY(QTest::qWaitForWindowActive(w().password));
        child<QLineEdit>(w().password, "txtPassword")->setFocus();
        typeText(child<QLineEdit>(w().password, "txtPassword"), QStringLiteral("TARVENIO"));
        QTest::keyClick(child<QLineEdit>(w().password, "txtPassword"), Qt::Key_Return);
        QTRY_VERIFY(w().avvio->isVisible());
        QVERIFY(!w().password->isVisible());
    }

    void enterContact()
    {
        child<PictureButton>(w().avvio, "btnApp01")->click();
        TfrmAnagrafica *c = w().anagrafica;
        QVERIFY(QTest::qWaitForWindowActive(c));
        child<PictureButton>(c, "cmdNuovo")->click();
        fill(child<QLineEdit>(c, "txtNome"), QStringLiteral("Studio Bianchi"));
        fill(child<QLineEdit>(c, "txtIndirizzo"), QStringLiteral("Via Mazzini"));
        fill(child<QLineEdit>(c, "txtNum"), QStringLiteral("12"));
        // The postcode boxes move on by themselves, one digit each.
        fill(child<QLineEdit>(c, "txtCap01"), QStringLiteral("40121"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(c, "txtLocalita"));
        typeAtFocus(QStringLiteral("Bologna"));
        fill(child<QLineEdit>(c, "txtProv01"), QStringLiteral("bo"));
        fill(child<QLineEdit>(c, "txtTel"), QStringLiteral("051 123456"));
        fill(child<QLineEdit>(c, "txtEmail"), QStringLiteral("studio@bianchi.it"));
        fill(child<QLineEdit>(c, "txtSesso"), QStringLiteral("m"));
        fill(child<QLineEdit>(c, "txtCel"), QStringLiteral("333 7654321"));
        m_env->dialogs.clear();
        child<PictureButton>(c, "cmdSalva")->click();
        QCOMPARE(child<QLabel>(c, "lblPosizione")->text(), QStringLiteral("1"));
        QCOMPARE(ContactArchive::count(), 1);
        const ContactRecord saved = ContactArchive::read(1);
        QCOMPARE(saved.Nome, QStringLiteral("Studio Bianchi"));
        QCOMPARE(saved.Cap01 + saved.Cap02 + saved.Cap03 + saved.Cap04 + saved.Cap05, QStringLiteral("40121"));
        QCOMPARE(saved.Prov01 + saved.Prov02, QStringLiteral("BO"));
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown.first().kind, MessageKind::Information);
        child<QAbstractButton>(c, "cmdEsci")->click();
        QVERIFY(w().avvio->isVisible());
    }

    void schedulePayment()
    {
        child<PictureButton>(w().avvio, "btnApp02")->click();
        TfrmAgenda *agenda = w().agenda;
        QVERIFY(QTest::qWaitForWindowActive(agenda));
        QCOMPARE(child<RowListView>(agenda, "lstRecords")->count(), 0);
        QCOMPARE(m_env->alarm.plays(), 0);
        child<PictureButton>(agenda, "btnArchivio")->click();
        TfrmArchivio_Scadenze *ed = w().archivio;
        QVERIFY(QTest::qWaitForWindowActive(ed));
        child<PictureButton>(ed, "cmdNuovo")->click();

        QVERIFY2(whileModal<TfrmCalendario>([ed] { child<PictureButton>(ed, "impData")->click(); },
                                            [](TfrmCalendario *picker) {
                                                child<QCalendarWidget>(picker, "calAppuntamenti")
                                                    ->setSelectedDate(QDate(2025, 5, 20));
                                                child<QPushButton>(picker, "btnImportaData")->click();
                                            }),
                 "the date picker did not open");
        QCOMPARE(child<QLineEdit>(ed, "txtData")->text(), QStringLiteral("20/05/2025"));
        pick(child<QComboBox>(ed, "txtOreApp"), QStringLiteral("09"));
        pick(child<QComboBox>(ed, "txtMinutiApp"), QStringLiteral("30"));
        fill(child<QLineEdit>(ed, "txtAvviso"), QStringLiteral("7"));
        pick(child<QComboBox>(ed, "txtTipologia"), QStringLiteral("In entrata"));
        fill(child<QLineEdit>(ed, "txtCausale"), QStringLiteral("Parcella consulenza"));

        QVERIFY2(whileModal<TfrmImportaAnagrafica>([ed] { child<PictureButton>(ed, "impContatto")->click(); },
                                                   [](TfrmImportaAnagrafica *find) {
                                                       child<QLineEdit>(find, "txtNome")
                                                           ->setText(QStringLiteral("bianchi"));
                                                       child<QPushButton>(find, "btnCerca")->click();
                                                       QCOMPARE(child<RowListView>(find, "lstRecords")->count(), 1);
                                                       doubleClick(child<RowListView>(find, "lstRecords"), 0);
                                                   }),
                 "the contact import did not open");
        QCOMPARE(child<QLineEdit>(ed, "txtContatto")->text(), QStringLiteral("Studio Bianchi"));
        QCOMPARE(child<QLineEdit>(ed, "txtTel")->text(), QStringLiteral("051 123456"));
        QCOMPARE(child<QLineEdit>(ed, "txtCel")->text(), QStringLiteral("333 7654321"));
        QCOMPARE(child<QLineEdit>(ed, "txtEmail")->text(), QStringLiteral("studio@bianchi.it"));

        fill(child<QLineEdit>(ed, "txtImporto"), QStringLiteral("150"));
        QTest::keyClick(child<QLineEdit>(ed, "txtImporto"), Qt::Key_Tab);
        QCOMPARE(child<QLineEdit>(ed, "txtImporto")->text(), QStringLiteral("150,00"));

        m_env->dialogs.clear();
        child<PictureButton>(ed, "cmdSalva")->click();
        QVERIFY2(m_env->dialogs.shown.size() == 1, qPrintable(messages().join(QLatin1Char('|'))));
        QCOMPARE(m_env->dialogs.shown.first().kind, MessageKind::Information);
        QCOMPARE(child<QLabel>(ed, "lblPosizione")->text(), QStringLiteral("1"));
        QCOMPARE(PaymentArchive::count(), 1);
        child<QAbstractButton>(ed, "cmdEsci")->click();
        QVERIFY(w().avvio->isVisible());
    }

    // Opens the agenda from the main menu and hands back its rows.
    QStringList agendaRows()
    {
        child<PictureButton>(w().avvio, "btnApp02")->click();
        if (!QTest::qWaitForWindowActive(w().agenda))
            return {QStringLiteral("the agenda did not open")};
        return child<RowListView>(w().agenda, "lstRecords")->texts();
    }

    void settle()
    {
        child<PictureButton>(w().agenda, "btnArchivio")->click();
        TfrmArchivio_Scadenze *ed = w().archivio;
        QVERIFY(QTest::qWaitForWindowActive(ed));
        // The user finds it among the payments to settle and opens it.
        QVERIFY2(whileModal<TfrmConfermati>([ed] { child<PictureButton>(ed, "cmdDaAssolvere")->click(); },
                                            [](TfrmConfermati *list) {
                                                QCOMPARE(child<RowListView>(list, "lstRecords")->count(), 1);
                                                doubleClick(child<RowListView>(list, "lstRecords"), 0);
                                            }),
                 "the list of payments to settle did not open");
        QCOMPARE(child<QLabel>(ed, "lblPosizione")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(ed, "txtCausale")->text(), QStringLiteral("Parcella consulenza"));
        child<QCheckBox>(ed, "chkOttemperata")->setChecked(true);
        child<PictureButton>(ed, "cmdSalva")->click();
        QCOMPARE(PaymentArchive::count(), 1);
        QCOMPARE(PaymentArchive::read(1).Ottemperata, QStringLiteral("Sì"));

        QVERIFY2(whileModal<TfrmAssolti>(
                     [ed] { child<PictureButton>(ed, "cmdAssolti")->click(); },
                     [](TfrmAssolti *list) {
                         QCOMPARE(child<RowListView>(list, "lstRecords")->count(), 1);
                         QVERIFY2(anyRowHas(child<RowListView>(list, "lstRecords")->texts(),
                                            {QStringLiteral("20/05/2025"), QStringLiteral("Parcella consulenza")}),
                                  qPrintable(child<RowListView>(list, "lstRecords")->texts().join(QLatin1Char('\n'))));
                         list->reject();
                     }),
                 "the settled list did not open");
    }

    void journal()
    {
        child<PictureButton>(w().avvio, "btnApp03")->click();
        TfrmMenuBilancio *q = w().menuBilancio;
        QVERIFY(QTest::qWaitForWindowActive(q));
        QCOMPARE(child<EntryBox>(q, "txtAnno")->text(), QStringLiteral("2025"));
        pick(child<QComboBox>(q, "txtGiornoInizio"), QStringLiteral("01"));
        pick(child<QComboBox>(q, "txtMeseInizio"), QStringLiteral("Maggio"));
        pick(child<QComboBox>(q, "txtGiornoFine"), QStringLiteral("31"));
        pick(child<QComboBox>(q, "txtMeseFine"), QStringLiteral("Maggio"));
        QVERIFY2(whileModal<TfrmBilancio>([q] { child<QPushButton>(q, "btnVisualizza")->click(); },
                                          [](TfrmBilancio *reg) {
                                              QCOMPARE(child<RowListView>(reg, "lstRecords")->count(), 1);
                                              const QString row =
                                                  child<RowListView>(reg, "lstRecords")->texts().value(0);
                                              QVERIFY2(row.contains(QStringLiteral("20/05/2025"))
                                                           && row.contains(QStringLiteral("Parcella consulenza"))
                                                           && row.contains(QStringLiteral("150,00")),
                                                       qPrintable(row));
                                              QCOMPARE(child<QLabel>(reg, "lblIntervallo")->text(),
                                                       QStringLiteral("Dal   01/05/2025   al   31/05/2025"));
                                              QCOMPARE(child<QLabel>(reg, "lblTotEntrate")->text(),
                                                       QStringLiteral("150,00 €"));
                                              QCOMPARE(child<QLabel>(reg, "lblTotUscite")->text(),
                                                       QStringLiteral("0,00 €"));
                                              QCOMPARE(child<QLabel>(reg, "lblBilancio")->text(),
                                                       QStringLiteral("150,00 €"));
                                              reg->reject();
                                          }),
                 "the register did not open");
        child<PictureButton>(q, "imgEsci")->click();
        QVERIFY(w().avvio->isVisible());
    }

    void exportEverything()
    {
        child<PictureButton>(w().avvio, "btnApp02")->click();
        QVERIFY(QTest::qWaitForWindowActive(w().agenda));
        child<PictureButton>(w().agenda, "btnArchivio")->click();
        TfrmArchivio_Scadenze *ed = w().archivio;
        QVERIFY(QTest::qWaitForWindowActive(ed));
        m_env->dialogs.clear();
        m_env->dialogs.queue({true, false}); // export now; do not open it
        QVERIFY2(whileModal<TfrmExpScadenzario>([ed] { child<PictureButton>(ed, "cmdEsporta")->click(); },
                                                [](TfrmExpScadenzario *grid) {
                                                    QCOMPARE(grid->model()->rowCount(), 1);
                                                    child<PictureButton>(grid, "cmdEsporta")->click();
                                                    grid->accept();
                                                }),
                 "the grid did not open");
        QCOMPARE(m_env->dialogs.shown.size(), 2);
        QVERIFY(m_env->dialogs.shown.last().text.startsWith(
            QStringLiteral("Le schede in archivio sono state esportate con successo.")));
        QVERIFY(m_env->shell.opened.isEmpty());
        const QByteArray xls = m_env->readFile(QStringLiteral("Riepilogo_Pagamenti.xls"));
        QVERIFY(xls.contains("<td style=\"text-align: left;\" sdnum=\"1033;1033;@\">Parcella consulenza</td>"));
        QVERIFY(xls.contains("<td style=\"text-align: left;\" sdnum=\"1033;1033;@\">S\xEC</td>"));
        readBackWithSpreadsheet();
    }

    // A spreadsheet program, with Italian settings, reads the cells as written.
    void readBackWithSpreadsheet()
    {
        const QString failure =
            CalcReader::convert({m_env->file(QStringLiteral("Riepilogo_Pagamenti.xls"))}, m_env->folder(),
                                QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QString csv = QString::fromUtf8(m_env->readFile(QStringLiteral("Riepilogo_Pagamenti.csv")));
        const QStringList lines = csv.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(QStringLiteral("Data scadenza;Ora;Tipologia;Causale")), qPrintable(lines[0]));
        for (const QString &cell : {QStringLiteral("20/05/2025"), QStringLiteral("09:30"), QStringLiteral("In entrata"),
                                    QStringLiteral("Parcella consulenza"), QStringLiteral("Studio Bianchi"),
                                    QStringLiteral("150,00"), QStringLiteral("Sì")})
            QVERIFY2(lines[1].contains(cell), qPrintable(lines[1] + QStringLiteral(" lacks ") + cell));
    }

private slots:
    void init() { m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15), QTime(10, 0)); }
    void cleanup() { m_env.reset(); }

    void theTypicalRoad()
    {
        logIn();
        enterContact();
        schedulePayment();

        // Due on 20/05 with seven days' notice: imminent on 15/05, and the alarm plays once.
        const QStringList due = agendaRows();
        QCOMPARE(due.size(), 1);
        QVERIFY2(anyRowHas(due, {QStringLiteral("20/05/2025"), QStringLiteral("Parcella consulenza"),
                                 QStringLiteral("150,00")}),
                 qPrintable(due.value(0)));
        QVERIFY(child<QLabel>(w().agenda, "imgAppuntamentiSI")->isVisible());
        QCOMPARE(m_env->alarm.plays(), 1);

        settle();
        child<QAbstractButton>(w().archivio, "cmdEsci")->click();
        QVERIFY(w().avvio->isVisible());
        QCOMPARE(agendaRows(), QStringList());
        QVERIFY(child<QLabel>(w().agenda, "imgAppuntamentiNO")->isVisible());
        QCOMPARE(m_env->alarm.plays(), 1);
        child<PictureButton>(w().agenda, "imgEsci")->click();

        journal();
        exportEverything();
    }
};

QTEST_MAIN(TestRoad)
#include "tst_road.moc"
