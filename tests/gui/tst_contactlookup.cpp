// The contact search, the pending-issues list and the contact import: their
// pages, keys, search, find, print, and what a double-click hands over.
#include "Controls.h"
#include "ContactFixtures.h"
#include "TestServices.h"

#include "contacts/TfrmImportaAnagrafica.h"
#include "contacts/TfrmQuestioni.h"
#include "contacts/TfrmTrovaAnagrafica.h"
#include "records/RecordArchive.h"
#include "ui/widgets/RowList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {
enum class Kind { Trova, Importa };

std::unique_ptr<ContactSearchWindow> makeSearch(Kind kind)
{
    if (kind == Kind::Trova)
        return std::make_unique<TfrmTrovaAnagrafica>();
    return std::make_unique<TfrmImportaAnagrafica>();
}

// The label above a criteria box.
QString labelOf(QWidget *window, QWidget *box)
{
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy() == box)
            return label->text();
    return {};
}

const QString kAccessError = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                            "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                            "installazione del programma.");
const QString kEmptyList = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
}

Q_DECLARE_METATYPE(Kind)

class TestContactLookup : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;

    // Two contacts whose rows are equal (no fiscal code or mobile, one
    // telephone, the same notes), told apart by their e-mail.
    void writeFamily()
    {
        ContactRecord first =
            makeContact(QStringLiteral("Famiglia Rossi"), QStringLiteral("Bologna"), QStringLiteral("1980"));
        first.CodFisc.clear();
        first.Cel.clear();
        first.Questioni = QStringLiteral("Contratto da rinnovare");
        ContactRecord second = first;
        first.Email = QStringLiteral("luca@example.it");
        second.Email = QStringLiteral("giulia@example.it");
        writeContactArchive({first, makeContact(QStringLiteral("Bianchi")), second});
    }

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(QDate(2025, 5, 15)); }
    void cleanup() { m_env.reset(); }

    void criteriaPage_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("search") << Kind::Trova << "TfrmTrovaAnagrafica"
                                << " Trova contatti in archivio";
        QTest::newRow("import") << Kind::Importa << "TfrmImportaAnagrafica"
                                << " Importa dati da archivio anagrafico";
    }
    void criteriaPage()
    {
        QFETCH(Kind, kind);
        const auto w = makeSearch(kind);
        w->show();
        QApplication::setActiveWindow(w.get());
        QTEST(w->objectName(), "name");
        QTEST(w->windowTitle(), "caption");
        QVERIFY(child<QWidget>(w.get(), "panAvvio")->isVisible());
        QVERIFY(!child<QWidget>(w.get(), "panContainer")->isVisible());
        QVERIFY(!child<QLabel>(w.get(), "lblAttendere")->isVisible());
        QCOMPARE(child<QLabel>(w.get(), "lblAttendere")->text(),
                 QStringLiteral("Ricerca schede in corso. Attendere..."));
        QCOMPARE(child<QLabel>(w.get(), "lblConta")->text(), QStringLiteral("0"));
        QVERIFY(!child<QLabel>(w.get(), "lblConta")->isVisible());
        // Who opened the window is the window's own value: no hidden label holds it.
        QVERIFY(!w->findChild<QLabel *>(QStringLiteral("lblMemory")));
        QCOMPARE(child<QLabel>(w.get(), "lblTrovate")->text(),
                 QStringLiteral("Il presente riepilogo contiene 0 schede"));
        QCOMPARE(child<QAbstractButton>(w.get(), "btnCerca")->text(), QStringLiteral("Cerca"));
        QCOMPARE(child<QAbstractButton>(w.get(), "btnAnnulla")->text(), QStringLiteral("Chiudi"));

        const QStringList names = {"txtNome",       "txtLocalita",    "txtTel",      "txtDataNasc",  "txtCodFisc",
                                   "txtPartitaIva", "txtOccupazione", "txtProdotti", "txtQuestioni", "txtNote"};
        const QStringList labels = {"Nome, cognome o Ragione sociale:",
                                    "Località:",
                                    "Tel.",
                                    "Data di nascita:",
                                    "Codice fiscale:",
                                    "Partita IVA:",
                                    "Occupazione:",
                                    "Servizi di interesse:",
                                    "Questioni in sospeso:",
                                    "Note:"};
        const QStringList frames = {"effNome",       "effLocalita",    "effTel",      "effDataNasc",  "effCodFisc",
                                    "effPartitaIva", "effOccupazione", "effProdotti", "effQuestioni", "effNote"};
        // The boxes in the order they stand on the page, two to a row.
        QList<QLineEdit *> boxes = w->findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^txt(?!Trova$)")));
        std::sort(boxes.begin(), boxes.end(), [&w](QLineEdit *a, QLineEdit *b) {
            const QPoint pa = a->mapTo(w.get(), QPoint()), pb = b->mapTo(w.get(), QPoint());
            return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
        });
        QCOMPARE(boxes.size(), 10);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(boxes[i]->objectName(), names[i]);
            QCOMPARE(labelOf(w.get(), boxes[i]), labels[i]);
            // Its highlight frame lies behind it, just larger.
            QWidget *frame = child(w.get(), frames[i]);
            QCOMPARE(frame->parentWidget(), boxes[i]->parentWidget());
            QVERIFY(frame->geometry().contains(boxes[i]->geometry()));
            QVERIFY(boxes[i]->font().bold());
            QCOMPARE(boxes[i]->font().pointSize(), 12);
        }
        QCOMPARE(boxes[0], child<QLineEdit>(w.get(), "txtNome"));
        QCOMPARE(boxes[9], child<QLineEdit>(w.get(), "txtNote"));

        // The focus starts in the name; Enter walks the boxes in page order,
        // the frame following the focus, and wraps from the notes to the name.
        QVERIFY(child<QLineEdit>(w.get(), "txtNome")->hasFocus());
        QVERIFY(child(w.get(), "effNome")->isVisible());
        for (int i = 1; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY2(boxes[i]->hasFocus(), qPrintable(names[i]));
            QVERIFY(child(w.get(), frames[i])->isVisible());
            QVERIFY(!child(w.get(), frames[i - 1])->isVisible());
        }
        QTest::keyClick(child<QLineEdit>(w.get(), "txtNote"), Qt::Key_Return);
        QVERIFY(child<QLineEdit>(w.get(), "txtNome")->hasFocus());
        QVERIFY(child<QWidget>(w.get(), "panAvvio")->isVisible()); // Enter never searches
    }

    void searchByTwoCriteria()
    {
        writeContactArchive(
            {makeContact(QStringLiteral("Mario Rossi"), QStringLiteral("Bologna"), QStringLiteral("03/02/1980")),
             makeContact(QStringLiteral("Rossini Carla"), QStringLiteral("Imola"), QStringLiteral("1975")),
             makeContact(QStringLiteral("Bianchi"), QStringLiteral("Bologna"), QStringLiteral("1980")),
             makeContact(QStringLiteral("Anna ROSSETTI"), QStringLiteral("Parma"), QStringLiteral("05/06/1980"))});
        TfrmTrovaAnagrafica w;
        w.show();
        QApplication::setActiveWindow(&w);
        QTest::keyClicks(child<QLineEdit>(&w, "txtNome"), "ross");
        child<QLineEdit>(&w, "txtDataNasc")->setFocus();
        QTest::keyClicks(child<QLineEdit>(&w, "txtDataNasc"), "1980");
        // Pressing the button puts up the notice before the search runs.
        QTest::mousePress(child<QAbstractButton>(&w, "btnCerca"), Qt::LeftButton);
        QVERIFY(child<QLabel>(&w, "lblAttendere")->isVisible());
        QTest::mouseRelease(child<QAbstractButton>(&w, "btnCerca"), Qt::LeftButton);
        QVERIFY(child<QWidget>(&w, "panContainer")->isVisible());
        QVERIFY(!child<QWidget>(&w, "panAvvio")->isVisible());
        QCOMPARE(child<QLabel>(&w, "lblConta")->text(), QStringLiteral("2"));
        QCOMPARE(child<QLabel>(&w, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 2 schede"));
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 2);
        // Sorted as the lists are: a-z without regard to case.
        QVERIFY(child<RowListView>(&w, "lstRecords")->text(0).startsWith(QStringLiteral("Anna ROSSETTI")));
        QVERIFY(child<RowListView>(&w, "lstRecords")->text(1).startsWith(QStringLiteral("Mario Rossi")));
        QCOMPARE(child<RowListView>(&w, "lstRecords")->font().family(), QStringLiteral("Courier New"));
        QVERIFY(child<QLineEdit>(&w, "txtTrova")->hasFocus());
        QVERIFY(child<QLineEdit>(&w, "txtTrova")->text().isEmpty());

        // "Trova" in the results; Enter in its box only moves to the button.
        QTest::keyClicks(child<QLineEdit>(&w, "txtTrova"), "MARIO");
        QTest::keyClick(child<QLineEdit>(&w, "txtTrova"), Qt::Key_Return);
        QVERIFY(child<QAbstractButton>(&w, "btnTrova")->hasFocus());
        QCOMPARE(child<RowListView>(&w, "lstRecords")->currentRow(), -1);
        child<QAbstractButton>(&w, "btnTrova")->click();
        QCOMPARE(child<RowListView>(&w, "lstRecords")->currentRow(), 1);
    }

    void noCriterionListsEveryone()
    {
        writeContactArchive({makeContact(QStringLiteral("Uno")), makeContact(QStringLiteral("Due")),
                             makeContact(QStringLiteral("Tre"))});
        TfrmImportaAnagrafica w;
        w.show();
        child<QAbstractButton>(&w, "btnCerca")->click();
        QCOMPARE(child<QLabel>(&w, "lblConta")->text(), QStringLiteral("0"));
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 3);
        QCOMPARE(child<QLabel>(&w, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 3 schede"));
    }

    void searchFindingNothing()
    {
        writeContactArchive({makeContact(QStringLiteral("Uno"))});
        TfrmTrovaAnagrafica w;
        w.show();
        child<QLineEdit>(&w, "txtQuestioni")->setText(QStringLiteral("nessuna"));
        child<QAbstractButton>(&w, "btnCerca")->click();
        QVERIFY(child<QWidget>(&w, "panContainer")->isVisible());
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 0);
        QCOMPARE(child<QLabel>(&w, "lblTrovate")->text(), QStringLiteral("Il presente riepilogo contiene 0 schede"));
        child<QAbstractButton>(&w, "btnTrova")->click();
        QCOMPARE(m_env->dialogs.texts(), QStringList({kEmptyList}));
        QCOMPARE(m_env->dialogs.shown.first().kind, MessageKind::Plain);
    }

    void searchCannotReadTheFolder()
    {
        // A folder where the archive should be: it can be neither opened nor created.
        QVERIFY(QDir().mkdir(ContactArchive::path()));
        TfrmTrovaAnagrafica w;
        w.show();
        child<QLineEdit>(&w, "txtNome")->setText(QStringLiteral("rossi"));
        child<QAbstractButton>(&w, "btnCerca")->click();
        QCOMPARE(m_env->dialogs.texts(), QStringList({kAccessError}));
        QCOMPARE(m_env->dialogs.shown.first().kind, MessageKind::Plain);
        QVERIFY(child<QWidget>(&w, "panAvvio")->isVisible());
        QVERIFY(!child<QWidget>(&w, "panContainer")->isVisible());
        QVERIFY(!child<QLabel>(&w, "lblAttendere")->isVisible());
        QCOMPARE(child<QLineEdit>(&w, "txtNome")->text(), QStringLiteral("rossi"));
        QDir().rmdir(ContactArchive::path());
    }

    void searchHandsTheClickedContact()
    {
        writeFamily();
        TfrmTrovaAnagrafica w(Opener::ContactEditor);
        w.show();
        child<QLineEdit>(&w, "txtLocalita")->setText(QStringLiteral("bologna"));
        child<QAbstractButton>(&w, "btnCerca")->click();
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 3);
        // Sorted, "Bianchi" comes first; the two family rows are equal.
        QCOMPARE(child<RowListView>(&w, "lstRecords")->text(1), child<RowListView>(&w, "lstRecords")->text(2));
        const int clicked = child<RowListView>(&w, "lstRecords")->rowModel()->rows()[1].record;
        QSignalSpy chosen(&w, &ListWindow::recordChosen);
        doubleClick(child<RowListView>(&w, "lstRecords"), 1);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toInt(), clicked);
        QVERIFY(!w.isVisible());

        // The other family row hands the other record.
        TfrmTrovaAnagrafica again(Opener::ContactEditor);
        again.show();
        child<QAbstractButton>(&again, "btnCerca")->click();
        QSignalSpy chosenAgain(&again, &ListWindow::recordChosen);
        const int other = child<RowListView>(&again, "lstRecords")->rowModel()->rows()[2].record;
        QVERIFY(other != clicked);
        doubleClick(child<RowListView>(&again, "lstRecords"), 2);
        QCOMPARE(chosenAgain.first().first().toInt(), other);
        QCOMPARE(QSet<int>({clicked, other}), QSet<int>({1, 3}));
    }

    void searchHandsNothingToAnotherOpener()
    {
        writeFamily();
        TfrmTrovaAnagrafica w(Opener::PaymentEditor);
        w.show();
        child<QAbstractButton>(&w, "btnCerca")->click();
        QSignalSpy chosen(&w, &ListWindow::recordChosen);
        doubleClick(child<RowListView>(&w, "lstRecords"), 0);
        QCOMPARE(chosen.count(), 0);
        QVERIFY(!w.isVisible());

        // No row selected: the window closes, nothing is handed over.
        TfrmTrovaAnagrafica unselected(Opener::ContactEditor);
        unselected.show();
        child<QAbstractButton>(&unselected, "btnCerca")->click();
        QSignalSpy none(&unselected, &ListWindow::recordChosen);
        emit child<RowListView>(&unselected, "lstRecords")->doubleClicked(QModelIndex());
        QCOMPARE(none.count(), 0);
        QVERIFY(!unselected.isVisible());
    }

    void closingClearsTheList()
    {
        writeFamily();
        TfrmTrovaAnagrafica w;
        w.show();
        child<QAbstractButton>(&w, "btnCerca")->click();
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 3);
        child<QAbstractButton>(&w, "btnChiudi")->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 0);
        TfrmImportaAnagrafica criteria;
        criteria.show();
        child<QAbstractButton>(&criteria, "btnAnnulla")->click();
        QVERIFY(!criteria.isVisible());
    }

    void importHandsTheContactReadAgain()
    {
        writeFamily();
        TfrmImportaAnagrafica w(Opener::PaymentEditor);
        w.show();
        child<QAbstractButton>(&w, "btnCerca")->click();
        const int clicked = child<RowListView>(&w, "lstRecords")->rowModel()->rows()[2].record;
        // The contact changes in the file after the search: the import takes
        // what the file holds when the row is clicked.
        ContactRecord changed = ContactArchive::read(clicked);
        changed.Tel = QStringLiteral("051 999999");
        ContactArchive::save(changed, clicked);
        QSignalSpy chosen(&w, &TfrmImportaAnagrafica::contactChosen);
        QSignalSpy numbers(&w, &ListWindow::recordChosen);
        doubleClick(child<RowListView>(&w, "lstRecords"), 2);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(numbers.count(), 0);
        const auto contact = chosen.first().first().value<ContactRecord>();
        QCOMPARE(contact, changed);
        QVERIFY(!w.isVisible());

        // Opened by anyone else, nothing is imported.
        TfrmImportaAnagrafica other(Opener::ContactEditor);
        other.show();
        child<QAbstractButton>(&other, "btnCerca")->click();
        QSignalSpy none(&other, &TfrmImportaAnagrafica::contactChosen);
        doubleClick(child<RowListView>(&other, "lstRecords"), 0);
        QCOMPARE(none.count(), 0);
        QVERIFY(!other.isVisible());
    }

    void importOfAContactThatCannotBeRead()
    {
        writeFamily();
        TfrmImportaAnagrafica w(Opener::PaymentEditor);
        w.show();
        child<QAbstractButton>(&w, "btnCerca")->click();
        // The file goes away between the search and the click.
        QFile::remove(ContactArchive::path());
        QVERIFY(QDir().mkdir(ContactArchive::path()));
        QSignalSpy chosen(&w, &TfrmImportaAnagrafica::contactChosen);
        doubleClick(child<RowListView>(&w, "lstRecords"), 0);
        QCOMPARE(chosen.count(), 0);
        QVERIFY(!w.isVisible());
        QVERIFY(m_env->dialogs.shown.isEmpty()); // closed without a message
        QDir().rmdir(ContactArchive::path());
    }

    void printTitles_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("search") << 0 << "Riepilogo contatti";
        QTest::newRow("import") << 1 << "Riepilogo clienti";
        QTest::newRow("pending") << 2 << "Riepilogo questioni in sospeso";
    }
    void printTitles()
    {
        QFETCH(int, window);
        QFETCH(QString, title);
        writeFamily();
        std::unique_ptr<ListWindow> w;
        if (window == 2) {
            w = std::make_unique<TfrmQuestioni>();
            w->show();
        } else {
            auto search = makeSearch(window == 0 ? Kind::Trova : Kind::Importa);
            search->show();
            child<QAbstractButton>(search, "btnCerca")->click();
            w = std::move(search);
        }
        QVERIFY(child<RowListView>(w, "lstRecords")->count() > 0);
        child<QAbstractButton>(w.get(), "btnStampa")->click();
        QCOMPARE(m_env->reports.printed.size(), 1);
        const QString text = pdfText(m_env->reports.printed.first());
        QVERIFY2(text.contains(title), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Famiglia Rossi")));
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 15/05/2025")));
    }

    void pendingList()
    {
        ContactRecord blanks = makeContact(QStringLiteral("Solo spazi"));
        ContactRecord pending = makeContact(QString(35, QLatin1Char('P')));
        pending.Questioni = QStringLiteral("Manca la copia del documento d'identità firmata e datata, da richiedere "
                                           "al prossimo appuntamento in ufficio");
        ContactRecord none = makeContact(QStringLiteral("Nessuna questione"));
        QByteArray bytes = contactFile({blanks, pending, none});
        const FieldRef q = ContactRecord::layout().field(&ContactRecord::Questioni);
        bytes[q.offset] = char(4);
        bytes.replace(q.offset + 1, 4, "    ");
        writeContactBytes(bytes);

        TfrmQuestioni w;
        w.show();
        QCOMPARE(w.objectName(), QStringLiteral("TfrmQuestioni"));
        QCOMPARE(w.windowTitle(), QStringLiteral(" Riepilogo questioni in sospeso"));
        QCOMPARE(child<QLabel>(&w, "lblRigo03")->text(),
                 QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"));
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 1);
        const QString row = child<RowListView>(&w, "lstRecords")->text(0);
        QCOMPARE(row.left(28), QString(28, QLatin1Char('P')));
        QCOMPARE(row.mid(94), QStringLiteral("  ") + pending.Questioni);
        QVERIFY(child<QLineEdit>(&w, "txtTrova")->font().bold());
        QCOMPARE(child<QLineEdit>(&w, "txtTrova")->font().pointSize(), 12);

        QSignalSpy chosen(&w, &ListWindow::recordChosen);
        doubleClick(child<RowListView>(&w, "lstRecords"), 0);
        QCOMPARE(chosen.value(0).value(0).toInt(), 2);
        QVERIFY(!w.isVisible());
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 0); // closing clears the list
    }

    void pendingEqualRowsEachHandsItself()
    {
        writeFamily();
        QSet<int> handed;
        for (int row = 0; row < 2; ++row) {
            TfrmQuestioni w;
            w.show();
            QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 2);
            QCOMPARE(child<RowListView>(&w, "lstRecords")->text(0), child<RowListView>(&w, "lstRecords")->text(1));
            const int expected = child<RowListView>(&w, "lstRecords")->rowModel()->rows()[row].record;
            QSignalSpy chosen(&w, &ListWindow::recordChosen);
            doubleClick(child<RowListView>(&w, "lstRecords"), row);
            QCOMPARE(chosen.count(), 1);
            QCOMPARE(chosen.first().first().toInt(), expected);
            handed.insert(expected);
        }
        QCOMPARE(handed, QSet<int>({1, 3}));
    }

    void pendingEmptyMissingOrUnreadable()
    {
        // Missing: created empty, the list is empty and "Trova" says so.
        {
            TfrmQuestioni w;
            w.show();
            QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 0);
            QVERIFY(QFile::exists(ContactArchive::path()));
            child<QLineEdit>(&w, "txtTrova")->setText(QStringLiteral("rossi"));
            child<QAbstractButton>(&w, "btnTrova")->click();
            QCOMPARE(m_env->dialogs.texts(), QStringList({kEmptyList}));
        }
        // Unreadable: loading stops silently.
        m_env->dialogs.clear();
        QFile::remove(ContactArchive::path());
        QVERIFY(QDir().mkdir(ContactArchive::path()));
        {
            TfrmQuestioni w;
            w.show();
            QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 0);
            QVERIFY(m_env->dialogs.shown.isEmpty());
        }
        QDir().rmdir(ContactArchive::path());
    }
};

QTEST_MAIN(TestContactLookup)
#include "tst_contactlookup.moc"
