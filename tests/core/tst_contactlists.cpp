// Contact list rows, the contact search and the pending-issues list.
#include "ContactFixtures.h"
#include "ListRowFixtures.h"
#include "StoredField.h"

#include "lists/ContactListRow.h"
#include "lists/ContactLists.h"
#include "platform/Services.h"
#include "records/RecordArchive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestContactLists : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { Services::setProgramFolder(m_dir.path()); }
    void init() { QFile::remove(ContactArchive::path()); }

    void rowColumns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tel");
        QTest::addColumn<QString>("cel");
        QTest::addColumn<QString>("nameColumns");
        QTest::addColumn<QString>("telColumns");
        QTest::addColumn<QString>("celColumns");
        QTest::newRow("short, padded") << "Anna"
                                       << "051 1"
                                       << "333" << QStringLiteral("Anna").leftJustified(28)
                                       << QStringLiteral("051 1").leftJustified(15)
                                       << QStringLiteral("333").leftJustified(15);
        QTest::newRow("long, cut") << QString(40, QLatin1Char('n')) << QString(30, QLatin1Char('1'))
                                   << QString(50, QLatin1Char('3')) << QString(28, QLatin1Char('n'))
                                   << QString(15, QLatin1Char('1')) << QString(15, QLatin1Char('3'));
        QTest::newRow("blanks around, trimmed first")
            << "  Rossi\t "
            << " 051 "
            << "" << QStringLiteral("Rossi").leftJustified(28) << QStringLiteral("051").leftJustified(15)
            << QString(15, QLatin1Char(' '));
    }
    void rowColumns()
    {
        QFETCH(QString, name);
        QFETCH(QString, tel);
        QFETCH(QString, cel);
        QFETCH(QString, nameColumns);
        QFETCH(QString, telColumns);
        QFETCH(QString, celColumns);
        ContactRecord r;
        r.Nome = name;
        r.Tel = tel;
        r.Cel = cel;
        r.CodFisc = QStringLiteral("RSSMRA75D12F257X");
        r.Note = QStringLiteral("  ") + QString(240, QLatin1Char('x')) + QStringLiteral(" fine ");
        r.Questioni = QStringLiteral(" Fattura 2024 da saldare, ") + QString(200, QLatin1Char('q'));

        const QString row = ContactListRow(r);
        QCOMPARE(row.mid(0, 28), nameColumns);
        QCOMPARE(row.mid(28, 6), QStringLiteral("  CF: "));
        QCOMPARE(row.mid(34, 16), QStringLiteral("RSSMRA75D12F257X"));
        QCOMPARE(row.mid(50, 7), QStringLiteral("  Tel. "));
        QCOMPARE(row.mid(57, 15), telColumns);
        QCOMPARE(row.mid(72, 7), QStringLiteral("  Cel. "));
        QCOMPARE(row.mid(79, 15), celColumns);
        QCOMPARE(row.mid(94, 8), QStringLiteral("  Note: "));
        // The notes are trimmed, never cut.
        QCOMPARE(row.mid(102), QString(240, QLatin1Char('x')) + QStringLiteral(" fine"));

        const QString pending = PendingIssueRow(r);
        QCOMPARE(pending.left(94), row.left(94));
        QCOMPARE(pending.mid(94, 2), QStringLiteral("  "));
        QCOMPARE(pending.mid(96), QStringLiteral("Fattura 2024 da saldare, ") + QString(200, QLatin1Char('q')));
    }

    void search()
    {
        writeContactArchive(
            {makeContact(QStringLiteral("Mario Rossi"), QStringLiteral("Bologna"), QStringLiteral("03/02/1980")),
             makeContact(QStringLiteral("ROSSI Carla"), QStringLiteral("Imola"), QStringLiteral("1975")),
             makeContact(QStringLiteral("Bianchi"), QStringLiteral("Bologna"), QStringLiteral("11/11/1980")),
             makeContact(QStringLiteral("Anna Rossetti"), QStringLiteral("Parma"), QStringLiteral("05/06/1980"))});

        ContactLists::Criteria none;
        QCOMPARE(ContactLists::filledCount(none), 0);
        QCOMPARE(rowNumbers(ContactLists::search(none).rows), QList<int>({1, 2, 3, 4})); // nothing filled in: everyone

        ContactLists::Criteria two;
        two.nome = QStringLiteral("ross");
        two.dataNasc = QStringLiteral("1980");
        QCOMPARE(ContactLists::filledCount(two), 2);
        const auto found = ContactLists::search(two).rows;
        QCOMPARE(rowNumbers(found), QList<int>({1, 4}));
        QVERIFY(found[0].text.startsWith(QStringLiteral("Mario Rossi")));

        // Each box searches its own field only: the town is not the name.
        ContactLists::Criteria town;
        town.localita = QStringLiteral("BOLOGNA");
        QCOMPARE(rowNumbers(ContactLists::search(town).rows), QList<int>({1, 3}));
        town.nome = QStringLiteral("bologna");
        QVERIFY(ContactLists::search(town).rows.isEmpty());

        // A trailing blank counts and must be matched as typed.
        ContactLists::Criteria blank;
        blank.nome = QStringLiteral("rossi ");
        QCOMPARE(rowNumbers(ContactLists::search(blank).rows), QList<int>({2}));

        // A box of blanks alone is not a criterion, yet it still counts as a
        // match where its field holds those blanks: the rule is at least R.
        ContactLists::Criteria onlyBlanks;
        onlyBlanks.note = QStringLiteral("   ");
        QCOMPARE(ContactLists::filledCount(onlyBlanks), 0);
        QCOMPARE(ContactLists::search(onlyBlanks).rows.size(), 4);

        // The mobile number cannot be searched; the fiscal code can.
        ContactLists::Criteria code;
        code.codFisc = QStringLiteral("rssmra");
        QCOMPARE(ContactLists::search(code).rows.size(), 4);

        ContactLists::Criteria nothing;
        nothing.prodotti = QStringLiteral("zzz");
        QVERIFY(ContactLists::search(nothing).rows.isEmpty());
        QVERIFY(!ContactLists::searchFor(nothing).found(makeContact(QStringLiteral("X")).encode().constData()));
        QVERIFY(ContactLists::searchFor(two).found(
            makeContact(QStringLiteral("Rossi"), QString(), QStringLiteral("1980")).encode().constData()));
    }

    // The rule the search tries on each stored contact. Boxes: the name, the
    // town and the notes as typed; the contact: name, town and notes.
    void searchRule_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("localita");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("storedNote");
        QTest::addColumn<bool>("found");
        QTest::newRow("nothing filled in") << ""
                                           << ""
                                           << ""
                                           << "Mario Rossi"
                                           << "" << true;
        QTest::newRow("part of the name") << "ross"
                                          << ""
                                          << ""
                                          << "Mario Rossi"
                                          << "" << true;
        QTest::newRow("case ignored") << "MARIO R"
                                      << ""
                                      << ""
                                      << "mario rossi"
                                      << "" << true;
        QTest::newRow("accented case ignored") << "società"
                                               << ""
                                               << ""
                                               << "SOCIETÀ Rossi"
                                               << "" << true;
        QTest::newRow("not in the name") << "bianchi"
                                         << ""
                                         << ""
                                         << "Mario Rossi"
                                         << "" << false;
        QTest::newRow("trailing blank must match") << "rossi "
                                                   << ""
                                                   << ""
                                                   << "Mario Rossi"
                                                   << "" << false;
        QTest::newRow("trailing blank matched") << "rossi "
                                                << ""
                                                << ""
                                                << "Rossi Carla"
                                                << "" << true;
        QTest::newRow("both boxes match") << "rossi"
                                          << "bologna"
                                          << ""
                                          << "Mario Rossi"
                                          << "" << true;
        QTest::newRow("one box of two fails") << "rossi"
                                              << "imola"
                                              << ""
                                              << "Mario Rossi"
                                              << "" << false;
        QTest::newRow("each box its own field") << "bologna"
                                                << ""
                                                << ""
                                                << "Mario Rossi"
                                                << "" << false;
        QTest::newRow("blanks alone, no criterion") << ""
                                                    << ""
                                                    << "   "
                                                    << "Mario Rossi"
                                                    << "" << true;
        // A box of blanks counts as a match where its field holds them: the
        // rule is at least as many matches as boxes with more than blanks.
        QTest::newRow("blanks stand in for a miss") << "bianchi"
                                                    << ""
                                                    << "  "
                                                    << "Mario Rossi"
                                                    << "a  b" << true;
        QTest::newRow("blanks not there") << "bianchi"
                                          << ""
                                          << "  "
                                          << "Mario Rossi"
                                          << "a b" << false;
    }
    void searchRule()
    {
        QFETCH(QString, nome);
        QFETCH(QString, localita);
        QFETCH(QString, note);
        QFETCH(QString, storedName);
        QFETCH(QString, storedNote);
        ContactLists::Criteria criteria;
        criteria.nome = nome;
        criteria.localita = localita;
        criteria.note = note;
        ContactRecord r = makeContact(storedName, QStringLiteral("Bologna"));
        r.Note = storedNote;
        const QByteArray bytes = r.encode();
        QTEST(ContactLists::searchFor(criteria).found(bytes.constData()), "found");
    }

    // Each box of the criteria page searches its own field, and no other.
    void searchBoxesTheirOwnFields_data()
    {
        QTest::addColumn<int>("box");
        const char *const boxes[] = {"nome",       "localita",    "tel",      "dataNasc",  "codFisc",
                                     "partitaIva", "occupazione", "prodotti", "questioni", "note"};
        for (int i = 0; i < 10; ++i)
            QTest::newRow(boxes[i]) << i;
    }
    void searchBoxesTheirOwnFields()
    {
        QFETCH(int, box);
        static constexpr QString ContactRecord::*fields[10] = {
            &ContactRecord::Nome,        &ContactRecord::Localita, &ContactRecord::Tel,
            &ContactRecord::DataNasc,    &ContactRecord::CodFisc,  &ContactRecord::PartitaIva,
            &ContactRecord::Occupazione, &ContactRecord::Prodotti, &ContactRecord::Questioni,
            &ContactRecord::Note,
        };
        ContactRecord r;
        r.*fields[box] = QStringLiteral("qz7");
        const QByteArray bytes = r.encode();
        const auto criteria = [](int filled) {
            QStringList b(10);
            b[filled] = QStringLiteral("QZ7");
            return ContactLists::Criteria {b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9]};
        };
        QVERIFY(ContactLists::searchFor(criteria(box)).found(bytes.constData()));
        QVERIFY(!ContactLists::searchFor(criteria((box + 1) % 10)).found(bytes.constData()));
        QVERIFY(!ContactLists::searchFor(criteria((box + 9) % 10)).found(bytes.constData()));
    }

    // "Questioni in sospeso" as stored, byte for byte.
    void pendingRule_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("pending");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("blanks") << QByteArray("     ") << false;
        QTest::newRow("control codes") << QByteArray("\t\r\n\x01") << false;
        QTest::newRow("one letter") << QByteArray("x") << true;
        QTest::newRow("one letter among blanks") << QByteArray("  x\t") << true;
        QTest::newRow("a text") << QByteArray("Documento scaduto") << true;
        QTest::newRow("a byte above 127") << QByteArray("\xE0") << true;
        QTest::newRow("a no-break space") << QByteArray("\xA0") << true;
    }
    void pendingRule()
    {
        QFETCH(QByteArray, stored);
        const QByteArray bytes =
            withStoredField(makeContact(QStringLiteral("Rossi")), &ContactRecord::Questioni, stored);
        QTEST(ContactLists::hasPendingIssues(bytes.constData()), "pending");
    }

    void equalRowsKeepTheirNumbers()
    {
        // Two family members at one address with one telephone give the same row.
        ContactRecord first = makeContact(QStringLiteral("Famiglia Rossi"));
        first.CodFisc.clear();
        first.Cel.clear();
        ContactRecord second = first;
        second.Email = QStringLiteral("altro@example.it");
        second.Questioni = first.Questioni = QStringLiteral("Rinnovo contratto");
        writeContactArchive({first, makeContact(QStringLiteral("Bianchi")), second});
        const auto rows = ContactLists::search({}).rows;
        QCOMPARE(rows[0].text, rows[2].text);
        QCOMPARE(rowNumbers(rows), QList<int>({1, 2, 3}));
        const auto pending = ContactLists::loadPending().rows;
        QCOMPARE(pending[0].text, pending[1].text);
        QCOMPARE(rowNumbers(pending), QList<int>({1, 3}));
    }

    void pendingList()
    {
        ContactRecord blanks = makeContact(QStringLiteral("Solo spazi"));
        ContactRecord pending = makeContact(QStringLiteral("In sospeso"));
        pending.Questioni = QStringLiteral("Documento scaduto");
        ContactRecord none = makeContact(QStringLiteral("Nulla"));
        ContactRecord controls = makeContact(QStringLiteral("Solo tabulazioni"));
        QByteArray bytes = contactFile({blanks, pending, none, controls});
        // Another tool may have stored blanks or control characters only: the
        // writer of this program never does, so put them in the bytes.
        const FieldRef q = ContactRecord::layout().field(&ContactRecord::Questioni);
        bytes[q.offset] = char(5);
        bytes.replace(q.offset + 1, 5, "     ");
        bytes[3 * ContactRecord::Size + q.offset] = char(3);
        bytes.replace(3 * ContactRecord::Size + q.offset + 1, 3, "\t\r\n");
        writeContactBytes(bytes);

        const auto rows = ContactLists::loadPending().rows;
        QCOMPARE(rowNumbers(rows), QList<int>({2}));
        QVERIFY(rows[0].text.endsWith(QStringLiteral("  Documento scaduto")));
        const auto stored = [&bytes](int i) { return bytes.constData() + i * ContactRecord::Size; };
        QVERIFY(!ContactLists::hasPendingIssues(stored(0)));
        QVERIFY(ContactLists::hasPendingIssues(stored(1)));
        QVERIFY(!ContactLists::hasPendingIssues(stored(2)));
        QVERIFY(!ContactLists::hasPendingIssues(stored(3)));
    }

    void emptyMissingAndUnreadable()
    {
        // A missing file is created empty.
        QVERIFY(ContactLists::loadPending().rows.isEmpty());
        QVERIFY(QFile::exists(ContactArchive::path()));
        QCOMPARE(QFile(ContactArchive::path()).size(), 0);
        QVERIFY(ContactLists::search({}).rows.isEmpty());

        // Bytes after the last whole record are never read.
        writeContactBytes(contactFile({makeContact(QStringLiteral("Intero"))}) + QByteArray(100, 'x'));
        QCOMPARE(ContactLists::search({}).rows.size(), 1);

        // A folder where the file should be: the readers say so, with no row.
        QFile::remove(ContactArchive::path());
        QVERIFY(QDir().mkdir(ContactArchive::path()));
        const auto search = ContactLists::search({});
        QCOMPARE(search.outcome, ReadOutcome::NotOpened);
        QVERIFY(search.rows.isEmpty());
        const auto pending = ContactLists::loadPending();
        QCOMPARE(pending.outcome, ReadOutcome::NotOpened);
        QVERIFY(pending.rows.isEmpty());
        QDir().rmdir(ContactArchive::path());
    }

    void rowsFromBytesEqualRowsFromRecords()
    {
        // The lists decode only the fields a row shows; the row must be the
        // one the whole record gives.
        ContactRecord r = makeContact(QStringLiteral("Società Èlite & C."));
        r.Note = QStringLiteral("Cliente dal 2019 中 €");
        r.Questioni = QStringLiteral("Sollecito");
        writeContactArchive({r});
        const ContactRecord stored = ContactArchive::read(1);
        QCOMPARE(rowTexts(ContactLists::search({}).rows), QStringList({ContactListRow(stored)}));
        QCOMPARE(rowTexts(ContactLists::loadPending().rows), QStringList({PendingIssueRow(stored)}));
        QVERIFY(ContactListRow(stored).endsWith(QStringLiteral("Note: Cliente dal 2019 ? €")));
    }
};

QTEST_GUILESS_MAIN(TestContactLists)
#include "tst_contactlists.moc"
