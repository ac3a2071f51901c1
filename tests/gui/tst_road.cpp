// The typical road across the three apps, on the program as start-up leaves
// it: log in, enter a contact, schedule a payment for it, be warned, settle
// it, see it in the journal and export it. Each step looks at what the user
// sees: rows, labels and messages.
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

void pick(QComboBox *box, const QString &item)
{
    box->setCurrentIndex(box->findText(item));
}

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
        w().password->txtPassword->setFocus();
        typeText(w().password->txtPassword, QStringLiteral("TARVENIO"));
        QTest::keyClick(w().password->txtPassword, Qt::Key_Return);
        QTRY_VERIFY(w().avvio->isVisible());
        QVERIFY(!w().password->isVisible());
    }

    void enterContact()
    {
        w().avvio->btnApp01->click();
        TfrmAnagrafica *c = w().anagrafica;
        QVERIFY(QTest::qWaitForWindowActive(c));
        c->cmdNuovo->click();
        fill(c->txtNome, QStringLiteral("Studio Bianchi"));
        fill(c->txtIndirizzo, QStringLiteral("Via Mazzini"));
        fill(c->txtNum, QStringLiteral("12"));
        // The postcode boxes move on by themselves, one digit each.
        fill(c->txtCap01, QStringLiteral("40121"));
        QCOMPARE(QApplication::focusWidget(), c->txtLocalita);
        typeAtFocus(QStringLiteral("Bologna"));
        fill(c->txtProv01, QStringLiteral("bo"));
        fill(c->txtTel, QStringLiteral("051 123456"));
        fill(c->txtEmail, QStringLiteral("studio@bianchi.it"));
        fill(c->txtSesso, QStringLiteral("m"));
        fill(c->txtCel, QStringLiteral("333 7654321"));
        m_env->dialogs.clear();
        c->cmdSalva->click();
        QCOMPARE(c->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(ContactArchive::count(), 1);
        const ContactRecord saved = ContactArchive::read(1);
        QCOMPARE(saved.Nome, QStringLiteral("Studio Bianchi"));
        QCOMPARE(saved.Cap01 + saved.Cap02 + saved.Cap03 + saved.Cap04 + saved.Cap05, QStringLiteral("40121"));
        QCOMPARE(saved.Prov01 + saved.Prov02, QStringLiteral("BO"));
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown.first().kind, MessageKind::Information);
        c->cmdEsci->click();
        QVERIFY(w().avvio->isVisible());
    }

    void schedulePayment()
    {
        w().avvio->btnApp02->click();
        TfrmAgenda *agenda = w().agenda;
        QVERIFY(QTest::qWaitForWindowActive(agenda));
        QCOMPARE(agenda->lstRecords->count(), 0);
        QCOMPARE(m_env->alarm.plays(), 0);
        agenda->btnArchivio->click();
        TfrmArchivio_Scadenze *ed = w().archivio;
        QVERIFY(QTest::qWaitForWindowActive(ed));
        ed->cmdNuovo->click();

        QVERIFY2(whileModal<TfrmCalendario>([ed] { ed->impData->click(); },
                                            [](TfrmCalendario *picker) {
                                                picker->calAppuntamenti->setSelectedDate(QDate(2025, 5, 20));
                                                picker->btnImportaData->click();
                                            }),
                 "the date picker did not open");
        QCOMPARE(ed->txtData->text(), QStringLiteral("20/05/2025"));
        pick(ed->txtOreApp, QStringLiteral("09"));
        pick(ed->txtMinutiApp, QStringLiteral("30"));
        fill(ed->txtAvviso, QStringLiteral("7"));
        pick(ed->txtTipologia, QStringLiteral("In entrata"));
        fill(ed->txtCausale, QStringLiteral("Parcella consulenza"));

        QVERIFY2(whileModal<TfrmImportaAnagrafica>([ed] { ed->impContatto->click(); },
                                                   [](TfrmImportaAnagrafica *find) {
                                                       find->txtNome->setText(QStringLiteral("bianchi"));
                                                       find->btnCerca->click();
                                                       QCOMPARE(find->lstRecords->count(), 1);
                                                       doubleClick(find->lstRecords, 0);
                                                   }),
                 "the contact import did not open");
        QCOMPARE(ed->txtContatto->text(), QStringLiteral("Studio Bianchi"));
        QCOMPARE(ed->txtTel->text(), QStringLiteral("051 123456"));
        QCOMPARE(ed->txtCel->text(), QStringLiteral("333 7654321"));
        QCOMPARE(ed->txtEmail->text(), QStringLiteral("studio@bianchi.it"));

        fill(ed->txtImporto, QStringLiteral("150"));
        QTest::keyClick(ed->txtImporto, Qt::Key_Tab);
        QCOMPARE(ed->txtImporto->text(), QStringLiteral("150,00"));

        m_env->dialogs.clear();
        ed->cmdSalva->click();
        QVERIFY2(m_env->dialogs.shown.size() == 1, qPrintable(messages().join(QLatin1Char('|'))));
        QCOMPARE(m_env->dialogs.shown.first().kind, MessageKind::Information);
        QCOMPARE(ed->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(PaymentArchive::count(), 1);
        ed->cmdEsci->click();
        QVERIFY(w().avvio->isVisible());
    }

    // Opens the agenda from the main menu and hands back its rows.
    QStringList agendaRows()
    {
        w().avvio->btnApp02->click();
        if (!QTest::qWaitForWindowActive(w().agenda))
            return {QStringLiteral("the agenda did not open")};
        return w().agenda->lstRecords->texts();
    }

    void settle()
    {
        w().agenda->btnArchivio->click();
        TfrmArchivio_Scadenze *ed = w().archivio;
        QVERIFY(QTest::qWaitForWindowActive(ed));
        // The user finds it among the payments to settle and opens it.
        QVERIFY2(whileModal<TfrmConfermati>([ed] { ed->cmdDaAssolvere->click(); },
                                            [](TfrmConfermati *list) {
                                                QCOMPARE(list->lstRecords->count(), 1);
                                                doubleClick(list->lstRecords, 0);
                                            }),
                 "the list of payments to settle did not open");
        QCOMPARE(ed->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(ed->txtCausale->text(), QStringLiteral("Parcella consulenza"));
        ed->chkOttemperata->setChecked(true);
        ed->cmdSalva->click();
        QCOMPARE(PaymentArchive::count(), 1);
        QCOMPARE(PaymentArchive::read(1).Ottemperata, QStringLiteral("Sì"));

        QVERIFY2(whileModal<TfrmAssolti>([ed] { ed->cmdAssolti->click(); },
                                         [](TfrmAssolti *list) {
                                             QCOMPARE(list->lstRecords->count(), 1);
                                             QVERIFY2(anyRowHas(list->lstRecords->texts(),
                                                                {QStringLiteral("20/05/2025"), QStringLiteral("Parcella consulenza")}),
                                                      qPrintable(list->lstRecords->texts().join(QLatin1Char('\n'))));
                                             list->reject();
                                         }),
                 "the settled list did not open");
    }

    void journal()
    {
        w().avvio->btnApp03->click();
        TfrmMenuBilancio *q = w().menuBilancio;
        QVERIFY(QTest::qWaitForWindowActive(q));
        QCOMPARE(q->txtAnno->text(), QStringLiteral("2025"));
        pick(q->txtGiornoInizio, QStringLiteral("01"));
        pick(q->txtMeseInizio, QStringLiteral("Maggio"));
        pick(q->txtGiornoFine, QStringLiteral("31"));
        pick(q->txtMeseFine, QStringLiteral("Maggio"));
        QVERIFY2(whileModal<TfrmBilancio>([q] { q->btnVisualizza->click(); },
                                          [](TfrmBilancio *reg) {
                                              QCOMPARE(reg->lstRecords->count(), 1);
                                              const QString row = reg->lstRecords->texts().value(0);
                                              QVERIFY2(row.contains(QStringLiteral("20/05/2025"))
                                                           && row.contains(QStringLiteral("Parcella consulenza"))
                                                           && row.contains(QStringLiteral("150,00")),
                                                       qPrintable(row));
                                              QCOMPARE(reg->lblIntervallo->text(), QStringLiteral("Dal   01/05/2025   al   31/05/2025"));
                                              QCOMPARE(reg->lblTotEntrate->text(), QStringLiteral("150,00 €"));
                                              QCOMPARE(reg->lblTotUscite->text(), QStringLiteral("0,00 €"));
                                              QCOMPARE(reg->lblBilancio->text(), QStringLiteral("150,00 €"));
                                              reg->reject();
                                          }),
                 "the register did not open");
        q->imgEsci->click();
        QVERIFY(w().avvio->isVisible());
    }

    void exportEverything()
    {
        w().avvio->btnApp02->click();
        QVERIFY(QTest::qWaitForWindowActive(w().agenda));
        w().agenda->btnArchivio->click();
        TfrmArchivio_Scadenze *ed = w().archivio;
        QVERIFY(QTest::qWaitForWindowActive(ed));
        m_env->dialogs.clear();
        m_env->dialogs.queue({true, false}); // export now; do not open it
        QVERIFY2(whileModal<TfrmExpScadenzario>([ed] { ed->cmdEsporta->click(); },
                                                [](TfrmExpScadenzario *grid) {
                                                    QCOMPARE(grid->model()->rowCount(), 1);
                                                    grid->cmdEsporta->click();
                                                    grid->accept();
                                                }),
                 "the grid did not open");
        QCOMPARE(m_env->dialogs.shown.size(), 2);
        QVERIFY(m_env->dialogs.shown.last().text.startsWith(QStringLiteral("Le schede in archivio sono state esportate con successo.")));
        QVERIFY(m_env->shell.opened.isEmpty());
        const QByteArray xls = m_env->readFile(QStringLiteral("Riepilogo_Pagamenti.xls"));
        QVERIFY(xls.contains("<td style=\"text-align: left;\" sdnum=\"1033;1033;@\">Parcella consulenza</td>"));
        QVERIFY(xls.contains("<td style=\"text-align: left;\" sdnum=\"1033;1033;@\">S\xEC</td>"));
        readBackWithSpreadsheet();
    }

    // A spreadsheet program, with Italian settings, reads the cells as written.
    void readBackWithSpreadsheet()
    {
        const QString failure = CalcReader::convert({m_env->file(QStringLiteral("Riepilogo_Pagamenti.xls"))}, m_env->folder(),
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
        QVERIFY(w().agenda->imgAppuntamentiSI->isVisible());
        QCOMPARE(m_env->alarm.plays(), 1);

        settle();
        w().archivio->cmdEsci->click();
        QVERIFY(w().avvio->isVisible());
        QCOMPARE(agendaRows(), QStringList());
        QVERIFY(w().agenda->imgAppuntamentiNO->isVisible());
        QCOMPARE(m_env->alarm.plays(), 1);
        w().agenda->imgEsci->click();

        journal();
        exportEverything();
    }
};

QTEST_MAIN(TestRoad)
#include "tst_road.moc"
