// The contact search, the pending-issues list and the contact import: their
// pages, keys, search, find, print, and what a double-click hands over.
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
#include <QSignalSpy>
#include <QTest>

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
        ContactRecord first = makeContact(QStringLiteral("Famiglia Rossi"), QStringLiteral("Bologna"), QStringLiteral("1980"));
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
        QTest::newRow("search") << Kind::Trova << "TfrmTrovaAnagrafica" << " Trova contatti in archivio";
        QTest::newRow("import") << Kind::Importa << "TfrmImportaAnagrafica" << " Importa dati da archivio anagrafico";
    }
    void criteriaPage()
    {
        QFETCH(Kind, kind);
        const auto w = makeSearch(kind);
        w->show();
        QApplication::setActiveWindow(w.get());
        QTEST(w->objectName(), "name");
        QTEST(w->windowTitle(), "caption");
        QVERIFY(w->panAvvio->isVisible());
        QVERIFY(!w->panContainer->isVisible());
        QVERIFY(!w->lblAttendere->isVisible());
        QCOMPARE(w->lblAttendere->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
        QCOMPARE(w->lblConta->text(), QStringLiteral("0"));
        QCOMPARE(w->lblMemory->text(), QStringLiteral("lblMemory"));
        QVERIFY(!w->lblConta->isVisible() && !w->lblMemory->isVisible());
        QCOMPARE(w->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede"));
        QCOMPARE(w->btnCerca->text(), QStringLiteral("Cerca"));
        QCOMPARE(w->btnAnnulla->text(), QStringLiteral("Chiudi"));

        const QStringList names = {"txtNome", "txtLocalita", "txtTel", "txtDataNasc", "txtCodFisc", "txtPartitaIva",
                                   "txtOccupazione", "txtProdotti", "txtQuestioni", "txtNote"};
        const QStringList labels = {"Nome, cognome o Ragione sociale:", "Località:", "Tel.", "Data di nascita:",
                                    "Codice fiscale:", "Partita IVA:", "Occupazione:", "Servizi di interesse:",
                                    "Questioni in sospeso:", "Note:"};
        const QStringList frames = {"effNome", "effLocalita", "effTel", "effDataNasc", "effCodFisc", "effPartitaIva",
                                    "effOccupazione", "effProdotti", "effQuestioni", "effNote"};
        const QList<QLineEdit *> boxes = w->criteriaBoxes();
        QCOMPARE(boxes.size(), 10);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(boxes[i]->objectName(), names[i]);
            QCOMPARE(labelOf(w.get(), boxes[i]), labels[i]);
            QCOMPARE(w->frameOf(boxes[i])->objectName(), frames[i]);
            QVERIFY(boxes[i]->font().bold());
            QCOMPARE(boxes[i]->font().pointSize(), 12);
        }
        QCOMPARE(boxes[0], w->txtNome);
        QCOMPARE(boxes[9], w->txtNote);

        // The focus starts in the name; Enter walks the boxes in page order,
        // the frame following the focus, and wraps from the notes to the name.
        QVERIFY(w->txtNome->hasFocus());
        QVERIFY(w->frameOf(w->txtNome)->isVisible());
        for (int i = 1; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY2(boxes[i]->hasFocus(), qPrintable(names[i]));
            QVERIFY(w->frameOf(boxes[i])->isVisible());
            QVERIFY(!w->frameOf(boxes[i - 1])->isVisible());
        }
        QTest::keyClick(w->txtNote, Qt::Key_Return);
        QVERIFY(w->txtNome->hasFocus());
        QVERIFY(w->panAvvio->isVisible()); // Enter never searches
    }

    void searchByTwoCriteria()
    {
        writeContactArchive({makeContact(QStringLiteral("Mario Rossi"), QStringLiteral("Bologna"), QStringLiteral("03/02/1980")),
                             makeContact(QStringLiteral("Rossini Carla"), QStringLiteral("Imola"), QStringLiteral("1975")),
                             makeContact(QStringLiteral("Bianchi"), QStringLiteral("Bologna"), QStringLiteral("1980")),
                             makeContact(QStringLiteral("Anna ROSSETTI"), QStringLiteral("Parma"), QStringLiteral("05/06/1980"))});
        TfrmTrovaAnagrafica w;
        w.show();
        QApplication::setActiveWindow(&w);
        QTest::keyClicks(w.txtNome, "ross");
        w.txtDataNasc->setFocus();
        QTest::keyClicks(w.txtDataNasc, "1980");
        // Pressing the button puts up the notice before the search runs.
        QTest::mousePress(w.btnCerca, Qt::LeftButton);
        QVERIFY(w.lblAttendere->isVisible());
        QTest::mouseRelease(w.btnCerca, Qt::LeftButton);
        QVERIFY(w.panContainer->isVisible());
        QVERIFY(!w.panAvvio->isVisible());
        QCOMPARE(w.lblConta->text(), QStringLiteral("2"));
        QCOMPARE(w.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 2 schede"));
        QCOMPARE(w.lstRecords->count(), 2);
        // Sorted as the lists are: a-z without regard to case.
        QVERIFY(w.lstRecords->text(0).startsWith(QStringLiteral("Anna ROSSETTI")));
        QVERIFY(w.lstRecords->text(1).startsWith(QStringLiteral("Mario Rossi")));
        QCOMPARE(w.lstRecords->font().family(), QStringLiteral("Courier New"));
        QVERIFY(w.txtTrova->hasFocus());
        QVERIFY(w.txtTrova->text().isEmpty());

        // "Trova" in the results; Enter in its box only moves to the button.
        QTest::keyClicks(w.txtTrova, "MARIO");
        QTest::keyClick(w.txtTrova, Qt::Key_Return);
        QVERIFY(w.btnTrova->hasFocus());
        QCOMPARE(w.lstRecords->currentRow(), -1);
        w.btnTrova->click();
        QCOMPARE(w.lstRecords->currentRow(), 1);
    }

    void noCriterionListsEveryone()
    {
        writeContactArchive({makeContact(QStringLiteral("Uno")), makeContact(QStringLiteral("Due")),
                             makeContact(QStringLiteral("Tre"))});
        TfrmImportaAnagrafica w;
        w.show();
        w.btnCerca->click();
        QCOMPARE(w.lblConta->text(), QStringLiteral("0"));
        QCOMPARE(w.lstRecords->count(), 3);
        QCOMPARE(w.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 3 schede"));
    }

    void searchFindingNothing()
    {
        writeContactArchive({makeContact(QStringLiteral("Uno"))});
        TfrmTrovaAnagrafica w;
        w.show();
        w.txtQuestioni->setText(QStringLiteral("nessuna"));
        w.btnCerca->click();
        QVERIFY(w.panContainer->isVisible());
        QCOMPARE(w.lstRecords->count(), 0);
        QCOMPARE(w.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede"));
        w.btnTrova->click();
        QCOMPARE(m_env->dialogs.texts(), QStringList({kEmptyList}));
        QCOMPARE(m_env->dialogs.shown.first().kind, MessageKind::Plain);
    }

    void searchCannotReadTheFolder()
    {
        // A folder where the archive should be: it can be neither opened nor created.
        QVERIFY(QDir().mkdir(ContactArchive::path()));
        TfrmTrovaAnagrafica w;
        w.show();
        w.txtNome->setText(QStringLiteral("rossi"));
        w.btnCerca->click();
        QCOMPARE(m_env->dialogs.texts(), QStringList({kAccessError}));
        QCOMPARE(m_env->dialogs.shown.first().kind, MessageKind::Plain);
        QVERIFY(w.panAvvio->isVisible());
        QVERIFY(!w.panContainer->isVisible());
        QVERIFY(!w.lblAttendere->isVisible());
        QCOMPARE(w.txtNome->text(), QStringLiteral("rossi"));
        QDir().rmdir(ContactArchive::path());
    }

    void searchHandsTheClickedContact()
    {
        writeFamily();
        TfrmTrovaAnagrafica w;
        w.lblMemory->setText(QStringLiteral(" anagrafica "));
        w.show();
        w.txtLocalita->setText(QStringLiteral("bologna"));
        w.btnCerca->click();
        QCOMPARE(w.lstRecords->count(), 3);
        // Sorted, "Bianchi" comes first; the two family rows are equal.
        QCOMPARE(w.lstRecords->text(1), w.lstRecords->text(2));
        const int clicked = w.lstRecords->rowModel()->rows()[1].record;
        QSignalSpy chosen(&w, &ListWindow::recordChosen);
        doubleClick(w.lstRecords, 1);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toInt(), clicked);
        QVERIFY(!w.isVisible());

        // The other family row hands the other record.
        TfrmTrovaAnagrafica again;
        again.lblMemory->setText(QStringLiteral("anagrafica"));
        again.show();
        again.btnCerca->click();
        QSignalSpy chosenAgain(&again, &ListWindow::recordChosen);
        const int other = again.lstRecords->rowModel()->rows()[2].record;
        QVERIFY(other != clicked);
        doubleClick(again.lstRecords, 2);
        QCOMPARE(chosenAgain.first().first().toInt(), other);
        QCOMPARE(QSet<int>({clicked, other}), QSet<int>({1, 3}));
    }

    void searchHandsNothingToAnotherOpener()
    {
        writeFamily();
        TfrmTrovaAnagrafica w;
        w.lblMemory->setText(QStringLiteral("scadenze"));
        w.show();
        w.btnCerca->click();
        QSignalSpy chosen(&w, &ListWindow::recordChosen);
        doubleClick(w.lstRecords, 0);
        QCOMPARE(chosen.count(), 0);
        QVERIFY(!w.isVisible());

        // No row selected: the window closes, nothing is handed over.
        TfrmTrovaAnagrafica unselected;
        unselected.lblMemory->setText(QStringLiteral("anagrafica"));
        unselected.show();
        unselected.btnCerca->click();
        QSignalSpy none(&unselected, &ListWindow::recordChosen);
        emit unselected.lstRecords->doubleClicked(QModelIndex());
        QCOMPARE(none.count(), 0);
        QVERIFY(!unselected.isVisible());
    }

    void closingClearsTheList()
    {
        writeFamily();
        TfrmTrovaAnagrafica w;
        w.show();
        w.btnCerca->click();
        QCOMPARE(w.lstRecords->count(), 3);
        w.btnChiudi->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.lstRecords->count(), 0);
        TfrmImportaAnagrafica criteria;
        criteria.show();
        criteria.btnAnnulla->click();
        QVERIFY(!criteria.isVisible());
    }

    void importHandsTheContactReadAgain()
    {
        writeFamily();
        TfrmImportaAnagrafica w;
        w.lblMemory->setText(QStringLiteral("scadenze"));
        w.show();
        w.btnCerca->click();
        const int clicked = w.lstRecords->rowModel()->rows()[2].record;
        // The contact changes in the file after the search: the import takes
        // what the file holds when the row is clicked.
        ContactRecord changed = ContactArchive::read(clicked);
        changed.Tel = QStringLiteral("051 999999");
        ContactArchive::save(changed, clicked);
        QSignalSpy chosen(&w, &TfrmImportaAnagrafica::contactChosen);
        QSignalSpy numbers(&w, &ListWindow::recordChosen);
        doubleClick(w.lstRecords, 2);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(numbers.count(), 0);
        const auto contact = chosen.first().first().value<ContactRecord>();
        QCOMPARE(contact, changed);
        QVERIFY(!w.isVisible());

        // Opened by anyone else, nothing is imported.
        TfrmImportaAnagrafica other;
        other.lblMemory->setText(QStringLiteral("anagrafica"));
        other.show();
        other.btnCerca->click();
        QSignalSpy none(&other, &TfrmImportaAnagrafica::contactChosen);
        doubleClick(other.lstRecords, 0);
        QCOMPARE(none.count(), 0);
        QVERIFY(!other.isVisible());
    }

    void importOfAContactThatCannotBeRead()
    {
        writeFamily();
        TfrmImportaAnagrafica w;
        w.lblMemory->setText(QStringLiteral("scadenze"));
        w.show();
        w.btnCerca->click();
        // The file goes away between the search and the click.
        QFile::remove(ContactArchive::path());
        QVERIFY(QDir().mkdir(ContactArchive::path()));
        QSignalSpy chosen(&w, &TfrmImportaAnagrafica::contactChosen);
        doubleClick(w.lstRecords, 0);
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
            search->btnCerca->click();
            w = std::move(search);
        }
        QVERIFY(w->lstRecords->count() > 0);
        w->btnStampa->click();
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
        QCOMPARE(w.lblRigo03->text(), QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"));
        QCOMPARE(w.lstRecords->count(), 1);
        const QString row = w.lstRecords->text(0);
        QCOMPARE(row.left(28), QString(28, QLatin1Char('P')));
        QCOMPARE(row.mid(94), QStringLiteral("  ") + pending.Questioni);
        QVERIFY(w.txtTrova->font().bold());
        QCOMPARE(w.txtTrova->font().pointSize(), 12);

        QSignalSpy chosen(&w, &ListWindow::recordChosen);
        doubleClick(w.lstRecords, 0);
        QCOMPARE(chosen.value(0).value(0).toInt(), 2);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.lstRecords->count(), 0); // closing clears the list
    }

    void pendingEqualRowsEachHandsItself()
    {
        writeFamily();
        QSet<int> handed;
        for (int row = 0; row < 2; ++row) {
            TfrmQuestioni w;
            w.show();
            QCOMPARE(w.lstRecords->count(), 2);
            QCOMPARE(w.lstRecords->text(0), w.lstRecords->text(1));
            const int expected = w.lstRecords->rowModel()->rows()[row].record;
            QSignalSpy chosen(&w, &ListWindow::recordChosen);
            doubleClick(w.lstRecords, row);
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
            QCOMPARE(w.lstRecords->count(), 0);
            QVERIFY(QFile::exists(ContactArchive::path()));
            w.txtTrova->setText(QStringLiteral("rossi"));
            w.btnTrova->click();
            QCOMPARE(m_env->dialogs.texts(), QStringList({kEmptyList}));
        }
        // Unreadable: loading stops silently.
        m_env->dialogs.clear();
        QFile::remove(ContactArchive::path());
        QVERIFY(QDir().mkdir(ContactArchive::path()));
        {
            TfrmQuestioni w;
            w.show();
            QCOMPARE(w.lstRecords->count(), 0);
            QVERIFY(m_env->dialogs.shown.isEmpty());
        }
        QDir().rmdir(ContactArchive::path());
    }
};

QTEST_MAIN(TestContactLookup)
#include "tst_contactlookup.moc"
