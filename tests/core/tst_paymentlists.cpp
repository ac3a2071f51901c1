// Payment list rows, "Trova" inside a list, the status lists and the search.
#include "ListRowFixtures.h"
#include "PaymentFixtures.h"
#include "StoredField.h"

#include "lists/FindInList.h"
#include "lists/PaymentListRow.h"
#include "lists/PaymentLists.h"
#include "records/RecordArchive.h"
#include "platform/Services.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
PaymentRecord payment(const QString &contact, const QString &date, const QString &settled)
{
    PaymentRecord r;
    r.Contatto = contact;
    r.Data = date;
    r.Ora = QStringLiteral("09:30");
    r.Cel = QStringLiteral("333 1234567");
    r.Causale = QStringLiteral("Affitto");
    r.Tipologia = QStringLiteral("In uscita");
    r.Importo = QStringLiteral("850,00");
    r.Ottemperata = settled;
    return r;
}
const QDate kToday(2025, 5, 15);
}

class TestPaymentLists : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { Services::setProgramFolder(m_dir.path()); }

    void rowColumns()
    {
        PaymentRecord r = payment(QString(30, QLatin1Char('n')), QStringLiteral("07/03/2025"), QStringLiteral("No"));
        r.Causale = QString(40, QLatin1Char('c'));
        r.Importo = QStringLiteral("123456789012,00");
        const QString row = PaymentListRow(r);
        QCOMPARE(row.mid(0, 28), QString(28, QLatin1Char('n')));
        QCOMPARE(row.mid(28, 7), QStringLiteral("  Cel. "));
        QCOMPARE(row.mid(35, 16), QStringLiteral("333 1234567     "));
        QCOMPARE(row.mid(51, 8), QStringLiteral("  Data: "));
        QCOMPARE(row.mid(59, 10), QStringLiteral("07/03/2025"));
        QCOMPARE(row.mid(69, 7), QStringLiteral("  Ora: "));
        QCOMPARE(row.mid(76, 5), QStringLiteral("09:30"));
        QCOMPARE(row.mid(81, 11), QStringLiteral("  Causale: "));
        QCOMPARE(row.mid(92, 38), QString(38, QLatin1Char('c')));
        QCOMPARE(row.mid(130, 2), QStringLiteral("  "));
        QCOMPARE(row.mid(132, 10), QStringLiteral("In uscita "));
        QCOMPARE(row.mid(142, 4), QStringLiteral("  € "));
        QCOMPARE(row.mid(146), QStringLiteral("123456789012,00"));
        r.Tipologia = QStringLiteral("In entrata");
        QCOMPARE(PaymentListRow(r).mid(132, 14), QStringLiteral("In entrata  € "));
    }

    void findWalksAndWraps()
    {
        const QStringList rows = {QStringLiteral("Bianchi"), QStringLiteral("Rossi Mario"), QStringLiteral("Verdi"),
                                  QStringLiteral("ROSSI Anna"), QStringLiteral("Neri")};
        QString last;
        FindOutcome o = FindInList(rows, -1, QStringLiteral("rossi"), last);
        QCOMPARE(o.selected, 1);
        QCOMPARE(last, QStringLiteral("rossi"));
        o = FindInList(rows, o.selected, QStringLiteral("ROSSI"), last);
        QCOMPARE(o.selected, 3);
        o = FindInList(rows, o.selected, QStringLiteral("rossi"), last);
        QCOMPARE(o.selected, 1); // wrapped
        // A new text starts again from the top, the first row included.
        o = FindInList(rows, 3, QStringLiteral("bianchi"), last);
        QCOMPARE(o.selected, 0);
        // A lone match stays selected.
        o = FindInList(rows, 0, QStringLiteral("bianchi"), last);
        QCOMPARE(o.selected, 0);
        // No match: the selection stays.
        o = FindInList(rows, 2, QStringLiteral("gialli"), last);
        QCOMPARE(o.selected, 2);
        // An empty text never matches and never moves the selection.
        o = FindInList(rows, 4, QString(), last);
        QCOMPARE(o.selected, 4);
        QVERIFY(!o.emptyList);
        // Nothing selected: the first row becomes selected even without a match.
        o = FindInList(rows, -1, QString(), last);
        QCOMPARE(o.selected, 0);
        QVERIFY(FindInList({}, -1, QStringLiteral("x"), last).emptyList);
        QCOMPARE(FindInListText::emptyList(),
                 QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    }

    // settled: the bytes stored in "Impegno assolto" (Windows-1252), as they
    // are, so that a damaged field can be written too.
    void statusSelection_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QByteArray>("settled");
        QTest::addColumn<bool>("daAssolvere");
        QTest::addColumn<bool>("scaduti");
        QTest::addColumn<bool>("assolti");
        QTest::newRow("yesterday, unsettled") << "14/05/2025" << QByteArray("No") << true << true << false;
        QTest::newRow("today, unsettled") << "15/05/2025" << QByteArray("No") << true << false << false;
        QTest::newRow("tomorrow, unsettled") << "16/05/2025" << QByteArray("No") << true << false << false;
        QTest::newRow("long ago, unsettled") << "01/01/2020" << QByteArray("No") << true << true << false;
        QTest::newRow("yesterday, settled") << "14/05/2025" << QByteArray("S\xEC") << false << false << true;
        QTest::newRow("tomorrow, settled") << "16/05/2025" << QByteArray("S\xEC") << false << false << true;
        QTest::newRow("blank flag") << "14/05/2025" << QByteArray() << false << false << false;
        QTest::newRow("bad date, unsettled") << "xx" << QByteArray("No") << true << false << false;
        QTest::newRow("bad date, settled") << "xx" << QByteArray("S\xEC") << false << false << true;
        // A damaged flag lists the payment nowhere: neither as paid nor as due.
        QTest::newRow("unaccented Si") << "14/05/2025" << QByteArray("Si") << false << false << false;
        QTest::newRow("acute accent") << "14/05/2025" << QByteArray("S\xED") << false << false << false;
        QTest::newRow("upper case SI") << "14/05/2025" << QByteArray("SI") << false << false << false;
        QTest::newRow("lower case si") << "14/05/2025" << QByteArray("s\xEC") << false << false << false;
        QTest::newRow("letter S alone") << "14/05/2025" << QByteArray("S") << false << false << false;
        QTest::newRow("upper case NO") << "14/05/2025" << QByteArray("NO") << false << false << false;
        QTest::newRow("lower case no") << "14/05/2025" << QByteArray("no") << false << false << false;
        QTest::newRow("letter N alone") << "14/05/2025" << QByteArray("N") << false << false << false;
        QTest::newRow("another word") << "14/05/2025" << QByteArray("Ok") << false << false << false;
        QTest::newRow("control codes") << "14/05/2025" << QByteArray("\x01\x02") << false << false << false;
        // Blanks and control codes around a letter make no flag of it.
        QTest::newRow("blank after N") << "14/05/2025" << QByteArray("N ") << false << false << false;
        QTest::newRow("tab before S") << "14/05/2025" << QByteArray("\tS") << false << false << false;
    }
    void statusSelection()
    {
        QFETCH(QString, date);
        QFETCH(QByteArray, settled);
        const QByteArray r =
            withStoredField(payment(QStringLiteral("Rossi"), date, QString()), &PaymentRecord::Ottemperata, settled);
        QTEST(PaymentLists::inStatusList(PaymentStatus::DaAssolvere, r.constData(), kToday), "daAssolvere");
        QTEST(PaymentLists::inStatusList(PaymentStatus::Scaduti, r.constData(), kToday), "scaduti");
        QTEST(PaymentLists::inStatusList(PaymentStatus::Assolti, r.constData(), kToday), "assolti");
    }

    // A length byte past the field's room reads the room: "No" stays "No".
    void statusSelectionReadsAnOverlongFlag()
    {
        QByteArray r = payment(QStringLiteral("Rossi"), QStringLiteral("14/05/2025"), QStringLiteral("No")).encode();
        r[PaymentLayout.field(&PaymentRecord::Ottemperata).offset] = char(200);
        QVERIFY(PaymentLists::inStatusList(PaymentStatus::Scaduti, r.constData(), kToday));
        QVERIFY(!PaymentLists::inStatusList(PaymentStatus::Assolti, r.constData(), kToday));
    }

    void statusListsInFileOrder()
    {
        writePaymentArchive({payment(QStringLiteral("A"), QStringLiteral("10/05/2025"), QStringLiteral("Sì")),
                             payment(QStringLiteral("B"), QStringLiteral("20/05/2025"), QStringLiteral("No")),
                             payment(QStringLiteral("C"), QStringLiteral("01/05/2025"), QStringLiteral("No")),
                             payment(QStringLiteral("D"), QStringLiteral("02/05/2025"), QString()),
                             payment(QStringLiteral("E"), QStringLiteral("03/05/2025"), QStringLiteral("Sì"))});
        const auto numbers = [](PaymentStatus status) {
            const auto read = PaymentLists::loadStatusList(status, kToday);
            return read.complete() ? rowNumbers(read.rows) : QList<int>({-1});
        };
        QCOMPARE(numbers(PaymentStatus::DaAssolvere), QList<int>({2, 3}));
        QCOMPARE(numbers(PaymentStatus::Scaduti), QList<int>({3}));
        QCOMPARE(numbers(PaymentStatus::Assolti), QList<int>({1, 5}));
        // Each row is the list row of its payment, read from the bytes.
        const auto settled = PaymentLists::loadStatusList(PaymentStatus::Assolti, kToday).rows;
        QCOMPARE(settled[1].text, PaymentListRow(PaymentArchive::read(5)));
    }

    void overdueListSkipsBadDates()
    {
        writePaymentArchive({payment(QStringLiteral("A"), QStringLiteral("10/05/2025"), QStringLiteral("No")),
                             payment(QStringLiteral("B"), QString(), QStringLiteral("No")),
                             payment(QStringLiteral("C"), QStringLiteral("11/05/2025"), QStringLiteral("No"))});
        const auto rows = PaymentLists::loadStatusList(PaymentStatus::Scaduti, kToday).rows;
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].record, 3);
    }

    void search()
    {
        PaymentRecord a = payment(QStringLiteral("Mario Rossi"), QStringLiteral("15/03/2025"), QStringLiteral("No"));
        PaymentRecord b = payment(QStringLiteral("Rossini"), QStringLiteral("16/03/2025"), QStringLiteral("Sì"));
        PaymentRecord c = payment(QStringLiteral("ROSSI Anna"), QStringLiteral("15/03/2024"), QString());
        writePaymentArchive({a, b, c});

        PaymentLists::Criteria criteria;
        QCOMPARE(PaymentLists::search(criteria).rows.size(), 3); // nothing filled in: everything

        criteria.contatto = QStringLiteral("rossi");
        criteria.data = QStringLiteral("15/03");
        QCOMPARE(PaymentLists::filledCount(criteria), 2);
        auto rows = PaymentLists::search(criteria).rows;
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].record, 1);
        QCOMPARE(rows[1].record, 3);

        // A trailing blank counts and must be matched: only "ROSSI Anna" has one after rossi.
        PaymentLists::Criteria blank;
        blank.contatto = QStringLiteral("rossi ");
        QCOMPARE(PaymentLists::filledCount(blank), 1);
        rows = PaymentLists::search(blank).rows;
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].record, 3);

        PaymentLists::Criteria none;
        none.note = QStringLiteral("zzz");
        QVERIFY(PaymentLists::search(none).rows.isEmpty());
    }

    // Each box of the criteria page searches its own field, and no other.
    void searchBoxesTheirOwnFields_data()
    {
        QTest::addColumn<int>("box");
        const char *const boxes[] = {"data",     "ora", "tipologia", "causale", "dettagli",
                                     "contatto", "tel", "cel",       "luogo",   "note"};
        for (int i = 0; i < 10; ++i)
            QTest::newRow(boxes[i]) << i;
    }
    void searchBoxesTheirOwnFields()
    {
        QFETCH(int, box);
        static constexpr QString PaymentRecord::*fields[10] = {
            &PaymentRecord::Data,     &PaymentRecord::Ora,      &PaymentRecord::Tipologia, &PaymentRecord::Causale,
            &PaymentRecord::Dettagli, &PaymentRecord::Contatto, &PaymentRecord::Tel,       &PaymentRecord::Cel,
            &PaymentRecord::Luogo,    &PaymentRecord::Note,
        };
        PaymentRecord r;
        r.*fields[box] = QStringLiteral("qz7");
        const QByteArray bytes = r.encode();
        const auto criteria = [](int filled) {
            QStringList b(10);
            b[filled] = QStringLiteral("QZ7");
            return PaymentLists::Criteria {b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9]};
        };
        QVERIFY(PaymentLists::searchFor(criteria(box)).found(bytes.constData()));
        QVERIFY(!PaymentLists::searchFor(criteria((box + 1) % 10)).found(bytes.constData()));
        QVERIFY(!PaymentLists::searchFor(criteria((box + 9) % 10)).found(bytes.constData()));
    }

    void readPaymentByNumber()
    {
        writePaymentArchive({payment(QStringLiteral("A"), QStringLiteral("10/05/2025"), QStringLiteral("No")),
                             payment(QStringLiteral("B"), QStringLiteral("10/05/2025"), QStringLiteral("No"))});
        QCOMPARE(PaymentArchive::read(2).Contatto, QStringLiteral("B"));
        QVERIFY_THROWS_EXCEPTION(ArchiveError, PaymentArchive::read(3));
    }
};

QTEST_GUILESS_MAIN(TestPaymentLists)
#include "tst_paymentlists.moc"
