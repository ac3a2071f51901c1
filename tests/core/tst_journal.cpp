// The journal's logic: its rows, the exact totals and balance, which payments
// it selects, and the scan over the payment file with damaged records.
#include "ListRowFixtures.h"
#include "PaymentFixtures.h"

#include "journal/JournalRow.h"
#include "journal/JournalSelection.h"
#include "journal/JournalTotals.h"
#include "platform/Services.h"
#include "records/RecordArchive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace JournalSelection;

namespace {
PaymentRecord movement(const QString &type, const QString &amount, const QString &date = QStringLiteral("15/03/2025"),
                       const QString &cause = QStringLiteral("Affitto ufficio"))
{
    PaymentRecord r = makePayment(date);
    r.Tipologia = type;
    r.Importo = amount;
    r.Causale = cause;
    return r;
}
const QString In = QStringLiteral("In entrata");
const QString Out = QStringLiteral("In uscita");

// "In entrata:1250,00|In uscita:2000,00" as payments.
QVector<PaymentRecord> movements(const QString &list)
{
    QVector<PaymentRecord> out;
    for (const QString &item : list.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const qsizetype colon = item.lastIndexOf(QLatin1Char(':'));
        out << movement(item.left(colon), item.mid(colon + 1));
    }
    return out;
}
}

class TestJournal : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { Services::setProgramFolder(m_dir.path()); }
    void init() { QFile::remove(PaymentArchive::path()); }

    void totals_data()
    {
        QTest::addColumn<QString>("payments");
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("expense");
        QTest::addColumn<QString>("balance");
        QTest::newRow("two incomes, one expense") << "In entrata:1250,00|In entrata:300,50|In uscita:2000,00"
                                                  << "1550,50"
                                                  << "2000,00"
                                                  << "-449,50";
        QTest::newRow("no payment at all") << ""
                                           << "0,00"
                                           << "0,00"
                                           << "0,00";
        QTest::newRow("only outgoing, 80,00") << "In uscita:50,00|In uscita:30,00"
                                              << "0,00"
                                              << "80,00"
                                              << "-80,00";
        QTest::newRow("0,10 and 0,20") << "In entrata:0,10|In entrata:0,20"
                                       << "0,30"
                                       << "0,00"
                                       << "0,30";
        QTest::newRow("100,00 less 99,99") << "In entrata:100,00|In uscita:99,99"
                                           << "100,00"
                                           << "99,99"
                                           << "0,01";
        QTest::newRow("9483,31 less 9483,21") << "In entrata:9483,31|In uscita:9483,21"
                                              << "9483,31"
                                              << "9483,21"
                                              << "0,10";
        QTest::newRow("equal, balance zero") << "In entrata:75,40|In uscita:75,40"
                                             << "75,40"
                                             << "75,40"
                                             << "0,00";
        QTest::newRow("three decimals kept") << "In entrata:12,345"
                                             << "12,345"
                                             << "0,00"
                                             << "12,345";
        QTest::newRow("mixed scales") << "In entrata:1,5|In entrata:0,25|In uscita:3"
                                      << "1,75"
                                      << "3,00"
                                      << "-1,25";
        QTest::newRow("total of 2*10^15 written whole")
            << "In entrata:1000000000000000,00|In entrata:1000000000000000,00"
            << "2000000000000000,00"
            << "0,00"
            << "2000000000000000,00";
        QTest::newRow("three of the largest amounts a record holds")
            << "In uscita:999999999999999|In uscita:999999999999999|In uscita:999999999999999"
            << "0,00"
            << "2999999999999997,00"
            << "-2999999999999997,00";
        QTest::newRow("beyond 15 significant digits") << "In entrata:999999999999999|In entrata:1,01"
                                                      << "1000000000000000,01"
                                                      << "0,00"
                                                      << "1000000000000000,01";
        QTest::newRow("a type of neither kind counts nowhere") << "Rimborso:50,00|in entrata:10,00|In entrata:5,00"
                                                               << "5,00"
                                                               << "0,00"
                                                               << "5,00";
        QTest::newRow("blanks around the type") << "  In uscita :7,00"
                                                << "0,00"
                                                << "7,00"
                                                << "-7,00";
        QTest::newRow("an amount that is not a number is left out")
            << "In entrata:abc|In entrata:10,00|In uscita:1.000,00"
            << "10,00"
            << "0,00"
            << "10,00";
        QTest::newRow("a negative amount") << "In entrata:-5,50|In uscita:1"
                                           << "-5,50"
                                           << "1,00"
                                           << "-6,50";
    }

    void totals()
    {
        QFETCH(QString, payments);
        QFETCH(QString, income);
        QFETCH(QString, expense);
        QFETCH(QString, balance);
        const QVector<PaymentRecord> records = movements(payments);
        const JournalTotalsText t = journalTotals(records);
        QCOMPARE(t.income, income);
        QCOMPARE(t.expense, expense);
        QCOMPARE(t.balance, balance);

        // The scan of the archive sums the same way, one record at a time
        // (where the amounts fit in the record's 15 characters).
        for (const PaymentRecord &r : records)
            if (r.Importo.size() > 15)
                return;
        writePaymentArchive(records);
        const Scan s = scan({QString(), QStringLiteral("01/01/2025"), QStringLiteral("31/12/2025")});
        QCOMPARE(s.totals.income, income);
        QCOMPARE(s.totals.expense, expense);
        QCOMPARE(s.totals.balance, balance);
    }

    void amounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<QString>("general");
        QTest::newRow("two decimals") << "1250,00" << true << "1250";
        QTest::newRow("one decimal") << "1250,5" << true << "1250,5";
        QTest::newRow("negative") << "-50,25" << true << "-50,25";
        QTest::newRow("plus sign") << "+3" << true << "3";
        QTest::newRow("blanks around") << "  7,50 " << true << "7,5";
        QTest::newRow("leading comma") << ",5" << true << "0,5";
        QTest::newRow("trailing comma") << "5," << true << "5";
        QTest::newRow("small") << "0,01" << true << "0,01";
        QTest::newRow("zero") << "0,00" << true << "0";
        QTest::newRow("negative zero") << "-0,00" << true << "0";
        QTest::newRow("letters") << "abc" << false << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("comma alone") << "," << false << "";
        QTest::newRow("sign alone") << "-" << false << "";
        QTest::newRow("two commas") << "1,2,3" << false << "";
        QTest::newRow("thousands point") << "1.000,00" << false << "";
        QTest::newRow("decimal point") << "12.50" << false << "";
        QTest::newRow("exponent") << "1e3" << false << "";
        QTest::newRow("blank inside") << "12 34" << false << "";
        QTest::newRow("sign after") << "5-" << false << "";
        QTest::newRow("euro sign") << "5,00 €" << false << "";
    }

    void amounts()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(QString, general);
        const auto amount = DecimalAmount::parse(text);
        QCOMPARE(amount.has_value(), number);
        if (amount)
            QCOMPARE(amount->generalText(), general);
    }

    void completion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("completed");
        QTest::newRow("whole") << "1250"
                               << "1250,00";
        QTest::newRow("one decimal") << "1250,5"
                                     << "1250,50";
        QTest::newRow("negative, one decimal") << "-449,5"
                                               << "-449,50";
        QTest::newRow("two decimals") << "0,01"
                                      << "0,01";
        QTest::newRow("three decimals") << "12,345"
                                        << "12,345";
        QTest::newRow("comma alone") << ","
                                     << "0,00";
        QTest::newRow("leading comma") << ",5"
                                       << "0,50";
        QTest::newRow("trailing comma") << "5,"
                                        << "5,00";
        QTest::newRow("empty") << ""
                               << "0,00";
    }

    void completion()
    {
        QFETCH(QString, text);
        QFETCH(QString, completed);
        QCOMPARE(completeToTwoDecimals(text), completed);
    }

    void rowColumns()
    {
        PaymentRecord r = movement(In, QStringLiteral("123456789012,00"), QStringLiteral("07/03/2025"),
                                   QString(45, QLatin1Char('c')));
        r.Ora = QStringLiteral("09:30");
        r.Contatto = QString(30, QLatin1Char('n'));
        r.Cel = QStringLiteral("333 1234567");
        r.Ottemperata = QStringLiteral("Sì");
        const QString row = JournalRow(r);
        QCOMPARE(row.mid(0, 15), QStringLiteral("ENTRATA  Data: "));
        QCOMPARE(row.mid(15, 10), QStringLiteral("07/03/2025"));
        QCOMPARE(row.mid(25, 7), QStringLiteral("  Ora: "));
        QCOMPARE(row.mid(32, 5), QStringLiteral("09:30"));
        QCOMPARE(row.mid(37, 2), QStringLiteral("  "));
        QCOMPARE(row.mid(39, 40), QString(40, QLatin1Char('c'))); // cut at 40
        QCOMPARE(row.mid(79, 2), QStringLiteral("  "));
        QCOMPARE(row.mid(81, 28), QString(28, QLatin1Char('n'))); // cut at 28
        QCOMPARE(row.mid(109, 7), QStringLiteral("  Cel. "));
        QCOMPARE(row.mid(116, 14), QStringLiteral("333 1234567   "));
        QCOMPARE(row.mid(130, 11), QStringLiteral("  Assolto: "));
        QCOMPARE(row.mid(141, 2), QStringLiteral("Sì"));
        QCOMPARE(row.mid(143, 4), QStringLiteral("  € "));
        QCOMPARE(row.mid(147), QStringLiteral("123456789012,00")); // never cut

        // Short fields are padded; the amount starts at the same column.
        r.Tipologia = Out;
        r.Causale = QStringLiteral("Luce");
        r.Contatto = QStringLiteral("Enel");
        r.Cel = QString(20, QLatin1Char('3'));
        r.Ora = QStringLiteral("9:5");
        r.Ottemperata = QStringLiteral("No");
        r.Importo = QStringLiteral("7,00");
        QCOMPARE(JournalRow(r), QStringLiteral("USCITA   Data: 07/03/2025  Ora: 9:5    Luce")
                                    + QString(36, QLatin1Char(' ')) + QStringLiteral("  Enel")
                                    + QString(24, QLatin1Char(' ')) + QStringLiteral("  Cel. ")
                                    + QString(14, QLatin1Char('3')) + QStringLiteral("  Assolto: No  € 7,00"));
        QCOMPARE(JournalRow(r).indexOf(QStringLiteral("7,00")), 147);

        // The type is compared exactly: anything else gives an empty row.
        for (const char *type : {"in entrata", "Rimborso", ""}) {
            r.Tipologia = QLatin1String(type);
            QCOMPARE(JournalRow(r), QString());
        }
    }

    void causeMatching_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("causale");
        QTest::addColumn<bool>("match");
        QTest::newRow("start, other case") << "affitto"
                                           << "Affitto gennaio" << true;
        QTest::newRow("upper case") << "affitto"
                                    << "AFFITTO box" << true;
        QTest::newRow("inside") << "affitto"
                                << "Rata affitto marzo" << true;
        QTest::newRow("misspelt") << "affitto"
                                  << "Afitto" << false;
        QTest::newRow("typed in capitals") << "AFFITTO"
                                           << "affitto" << true;
        QTest::newRow("leading blank, word first") << " affitto"
                                                   << "Affitto gennaio" << false;
        QTest::newRow("leading blank, word inside") << " affitto"
                                                    << "Rata affitto" << true;
        QTest::newRow("only A to Z are lowered") << "CAFFÈ"
                                                 << "caffè" << false;
        QTest::newRow("accented, same case") << "caffè"
                                             << "Caffè bar" << true;
    }

    void causeMatching()
    {
        QFETCH(QString, cause);
        QFETCH(QString, causale);
        QFETCH(bool, match);
        QCOMPARE(matchesCause(cause, causale), match);
    }

    void causeFlagAndInterval()
    {
        QVERIFY(!hasCause(QString()));
        QVERIFY(!hasCause(QStringLiteral("   ")));
        QVERIFY(!hasCause(QStringLiteral(" \t ")));
        QVERIFY(hasCause(QStringLiteral(" x ")));
        const QDate s(2025, 3, 1), e(2025, 3, 31);
        QVERIFY(inInterval(QDate(2025, 3, 1), s, e));
        QVERIFY(inInterval(QDate(2025, 3, 31), s, e));
        QVERIFY(!inInterval(QDate(2025, 2, 28), s, e));
        QVERIFY(!inInterval(QDate(2025, 4, 1), s, e));
        QVERIFY(inInterval(s, s, s)); // a one-day interval
    }

    void scanSelectsInFileOrder()
    {
        const QString light = QStringLiteral("Luce");
        writePaymentArchive({
            movement(In, QStringLiteral("100,00"), QStringLiteral("28/02/2025"), light),
            movement(Out, QStringLiteral("40,00"), QStringLiteral("31/03/2025"), QStringLiteral("AFFITTO box")),
            movement(In, QStringLiteral("250,50"), QStringLiteral("01/03/2025"), QStringLiteral("Affitto gennaio")),
            movement(In, QStringLiteral("9,99"), QStringLiteral("01/04/2025"), light),
            movement(Out, QStringLiteral("12,00"), QStringLiteral("15/03/2025"), QStringLiteral("Afitto")),
            movement(QStringLiteral("Rimborso"), QStringLiteral("abc"), QStringLiteral("20/03/2025"), light),
        });
        const Scan all = scan({QStringLiteral("  "), QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025")});
        QVERIFY(all.complete());
        QCOMPARE(all.unreadable, 0); // the unknown type's amount is never read
        QCOMPARE(rowNumbers(all.rows), QList<int>({2, 3, 5, 6}));
        QVERIFY(all.rows[0].text.startsWith(QStringLiteral("USCITA   Data: 31/03/2025")));
        QCOMPARE(all.rows[3].text, QString());
        QCOMPARE(all.totals.income, QStringLiteral("250,50"));
        QCOMPARE(all.totals.expense, QStringLiteral("52,00"));
        QCOMPARE(all.totals.balance, QStringLiteral("198,50"));

        const Scan rent = scan({QStringLiteral("affitto"), QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025")});
        QCOMPARE(rowNumbers(rent.rows), QList<int>({2, 3}));
        QCOMPARE(rent.totals.balance, QStringLiteral("210,50"));

        const Scan day = scan({QString(), QStringLiteral("15/03/2025"), QStringLiteral("15/03/2025")});
        QCOMPARE(rowNumbers(day.rows), QList<int>({5}));
        QCOMPARE(rowTexts(day.rows).value(0).mid(147), QStringLiteral("12,00"));
    }

    void damagedRecordsAreLeftOutAndCounted()
    {
        PaymentRecord badDate = movement(In, QStringLiteral("5,00"), QStringLiteral("31/02/2025"));
        PaymentRecord otherCauseBadDate =
            movement(In, QStringLiteral("5,00"), QStringLiteral("xx/03/2025"), QStringLiteral("Luce"));
        PaymentRecord outsideBadAmount = movement(In, QStringLiteral("abc"), QStringLiteral("10/04/2025"));
        writePaymentArchive({
            movement(In, QStringLiteral("100,00")),
            movement(In, QStringLiteral("abc")),
            badDate,
            otherCauseBadDate,
            outsideBadAmount,
            movement(Out, QStringLiteral("99,99")),
            movement(Out, QStringLiteral("12.50")),
        });
        const Scan s = scan({QStringLiteral("affitto"), QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025")});
        QVERIFY(s.complete());
        // The reading goes on past the damaged records; the ones of another
        // cause or outside the interval are never read far enough to matter.
        QCOMPARE(rowNumbers(s.rows), QList<int>({1, 6}));
        QCOMPARE(s.unreadable, 3);
        QCOMPARE(s.totals.income, QStringLiteral("100,00"));
        QCOMPARE(s.totals.expense, QStringLiteral("99,99"));
        QCOMPARE(s.totals.balance, QStringLiteral("0,01"));

        // Without a cause the bad date of the other cause counts too.
        QCOMPARE(scan({QString(), QStringLiteral("01/03/2025"), QStringLiteral("31/03/2025")}).unreadable, 4);
    }

    void emptyAndMissingFile()
    {
        const Scan s = scan({QString(), QStringLiteral("01/01/2025"), QStringLiteral("31/12/2025")});
        QVERIFY(s.complete());
        QVERIFY(s.rows.isEmpty());
        QCOMPARE(s.totals.income, QStringLiteral("0,00"));
        QCOMPARE(s.totals.balance, QStringLiteral("0,00"));
        QVERIFY(QFile::exists(PaymentArchive::path())); // created empty
    }

    void fileThatCannotBeReadFails()
    {
        QVERIFY(QDir().mkdir(PaymentArchive::path())); // a folder where the archive should be
        const Scan s = scan({QString(), QStringLiteral("01/01/2025"), QStringLiteral("31/12/2025")});
        QDir().rmdir(PaymentArchive::path());
        QVERIFY(!s.complete());
        QCOMPARE(s.outcome, ReadOutcome::NotOpened);
        QVERIFY(s.rows.isEmpty());
        QCOMPARE(s.unreadable, 0);

        // An interval that cannot be read reads no file.
        const Scan bad = scan({QString(), QStringLiteral("31/02/2025"), QStringLiteral("31/12/2025")});
        QVERIFY(!bad.complete());
        QCOMPARE(bad.outcome, ReadOutcome::NotOpened);
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
