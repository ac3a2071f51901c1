// Which payments each summary grid shows, in which order and with which numbers.
#include "PaymentFixtures.h"

#include "agenda/PaymentGrids.h"
#include "platform/Services.h"
#include "records/PaymentRecord.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
PaymentRecord payment(const QString &date, const QString &hour, const QString &settled = QStringLiteral("No"),
                      const QString &cause = QString())
{
    PaymentRecord r;
    r.Data = date;
    r.OreApp = hour;
    r.MinutiApp = QStringLiteral("00");
    r.Ora = hour + QStringLiteral(":00");
    r.Avviso = QStringLiteral("0");
    r.Causale = cause.isEmpty() ? date : cause;
    r.Ottemperata = settled;
    return r;
}
QStringList column(const GridRows &rows, int c)
{
    QStringList out;
    for (int i = 0; i < rows.size(); ++i)
        out << rows.at(i).value(c);
    return out;
}
}

class TestPaymentGrids : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { Services::setProgramFolder(m_dir.path()); }

    // Which payments each grid shows, for today 15/05/2025 and the calendar's
    // day `day`. The day and month rules compare texts only; the imminent
    // grid is the agenda's rule, the flag "Impegno assolto" included.
    void selection_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("settled");
        QTest::addColumn<bool>("shown");
        const int imminent = int(PaymentGrid::Imminenti), daily = int(PaymentGrid::Giornaliere);
        const int monthly = int(PaymentGrid::Mensili), all = int(PaymentGrid::Scadenzario);
        const QDate mar7(2025, 3, 7), feb(2024, 2, 15), today(2025, 5, 15);
        QTest::newRow("day: that day, settled too") << daily << mar7 << "07/03/2025"
                                                    << "0"
                                                    << "Sì" << true;
        QTest::newRow("day: one-digit day") << daily << mar7 << "7/03/2025"
                                            << "0"
                                            << "No" << false;
        QTest::newRow("day: another day") << daily << mar7 << "08/03/2025"
                                          << "0"
                                          << "No" << false;
        QTest::newRow("day: another year") << daily << mar7 << "07/03/2024"
                                           << "0"
                                           << "No" << false;
        QTest::newRow("month: first day") << monthly << feb << "01/02/2024"
                                          << "0"
                                          << "No" << true;
        QTest::newRow("month: leap day, settled") << monthly << feb << "29/02/2024"
                                                  << "0"
                                                  << "Sì" << true;
        QTest::newRow("month: another year") << monthly << feb << "15/02/2025"
                                             << "0"
                                             << "No" << false;
        QTest::newRow("month: another month") << monthly << feb << "15/03/2024"
                                              << "0"
                                              << "No" << false;
        QTest::newRow("month: no date") << monthly << feb << ""
                                        << "0"
                                        << "No" << false;
        QTest::newRow("month: text, not a date") << monthly << feb << "xx/02/2024"
                                                 << "0"
                                                 << "No" << true;
        QTest::newRow("imminent: due today") << imminent << today << "15/05/2025"
                                             << "0"
                                             << "No" << true;
        QTest::newRow("imminent: overdue") << imminent << today << "01/01/2025"
                                           << "0"
                                           << "No" << true;
        QTest::newRow("imminent: notice reaches today") << imminent << today << "20/05/2025"
                                                        << "5"
                                                        << "No" << true;
        QTest::newRow("imminent: notice one day short") << imminent << today << "20/05/2025"
                                                        << "4"
                                                        << "No" << false;
        QTest::newRow("imminent: settled") << imminent << today << "14/05/2025"
                                           << "0"
                                           << "Sì" << false;
        QTest::newRow("imminent: settled, due today") << imminent << today << "15/05/2025"
                                                      << "0"
                                                      << "Sì" << false;
        QTest::newRow("imminent: blank flag") << imminent << today << "14/05/2025"
                                              << "0"
                                              << "" << false;
        QTest::newRow("imminent: damaged flag") << imminent << today << "14/05/2025"
                                                << "0"
                                                << "Si" << false;
        QTest::newRow("imminent: not a date") << imminent << today << "31/02/2025"
                                              << "0"
                                              << "No" << false;
        QTest::newRow("all: settled") << all << today << "14/05/2025"
                                      << "0"
                                      << "Sì" << true;
        QTest::newRow("all: nothing readable") << all << today << ""
                                               << ""
                                               << "" << true;
    }
    void selection()
    {
        QFETCH(int, grid);
        QFETCH(QDate, day);
        QFETCH(QString, date);
        QFETCH(QString, notice);
        QFETCH(QString, settled);
        PaymentRecord r = payment(date, QStringLiteral("09"), settled);
        r.Avviso = notice;
        const QByteArray bytes = r.encode();
        QTEST(PaymentGrids::selected(PaymentGrid(grid), bytes.constData(), QDate(2025, 5, 15), day), "shown");
    }

    void rowCells()
    {
        PaymentRecord r = payment(QStringLiteral("07/03/2025"), QStringLiteral("09"));
        r.Tipologia = QStringLiteral("In uscita");
        r.Contatto = QStringLiteral("  Caffè Rossi ");
        r.Importo = QStringLiteral("850,00");
        r.Note = QStringLiteral("nota");
        r.Ottemperata = QStringLiteral("Sì");
        const QByteArray bytes = r.encode();
        GridRows rows(PaymentGrids::columnCount(PaymentGrid::Imminenti));
        PaymentGrids::appendRow(rows, bytes.constData(), 4, true);
        const QStringList cells = rows.at(0);
        QCOMPARE(cells.size(), 15);
        QCOMPARE(cells[0], QStringLiteral("4"));
        // The columns of the headers, each field trimmed.
        QCOMPARE(cells[1], QStringLiteral("07/03/2025"));
        QCOMPARE(cells[2], QStringLiteral("09:00"));
        QCOMPARE(cells[3], QStringLiteral("In uscita"));
        QCOMPARE(cells[4], QStringLiteral("07/03/2025"));
        QCOMPARE(cells[6], QStringLiteral("Caffè Rossi"));
        QCOMPARE(cells[11], QStringLiteral("850,00"));
        QCOMPARE(cells[12], QStringLiteral("Sì"));
        QCOMPARE(cells[13], QStringLiteral("nota"));
        QCOMPARE(cells[14], QStringLiteral("202503070900"));
        GridRows whole(PaymentGrids::columnCount(PaymentGrid::Scadenzario));
        PaymentGrids::appendRow(whole, bytes.constData(), 4, false);
        QCOMPARE(whole.at(0).size(), 14);
        QCOMPARE(whole.at(0), cells.mid(0, 14));
    }

    void sortKeepsFileNumbers()
    {
        // A due 10/05 first in the file, B due 01/05 second: B comes first, numbered 2.
        writePaymentArchive(
            {payment(QStringLiteral("10/05/2025"), QStringLiteral("09"), QStringLiteral("No"), QStringLiteral("A")),
             payment(QStringLiteral("01/05/2025"), QStringLiteral("09"), QStringLiteral("No"), QStringLiteral("B"))});
        const auto read = PaymentGrids::load(PaymentGrid::Imminenti, QDate(2025, 5, 15), QDate(2025, 5, 15));
        QVERIFY(read.complete());
        QCOMPARE(read.records, 2);
        QCOMPARE(column(read.rows, 4), QStringList({QStringLiteral("B"), QStringLiteral("A")}));
        QCOMPARE(column(read.rows, 0), QStringList({QStringLiteral("2"), QStringLiteral("1")}));
    }

    void selections()
    {
        writePaymentArchive({payment(QStringLiteral("29/02/2024"), QStringLiteral("18")),
                             payment(QStringLiteral("07/03/2025"), QStringLiteral("09"), QStringLiteral("Sì")),
                             payment(QStringLiteral("01/02/2024"), QStringLiteral("08")),
                             payment(QStringLiteral("7/03/2025"), QStringLiteral("07")),
                             payment(QStringLiteral("15/02/2025"), QStringLiteral("10"))});
        const QDate today(2025, 5, 15);
        auto day = PaymentGrids::load(PaymentGrid::Giornaliere, today, QDate(2025, 3, 7)).rows;
        QCOMPARE(column(day, 1), QStringList({QStringLiteral("07/03/2025")}));
        QCOMPARE(column(day, 0), QStringList({QStringLiteral("1")}));

        auto month = PaymentGrids::load(PaymentGrid::Mensili, today, QDate(2024, 2, 15)).rows;
        QCOMPARE(column(month, 1), QStringList({QStringLiteral("01/02/2024"), QStringLiteral("29/02/2024")}));
        QCOMPARE(column(month, 0), QStringList({QStringLiteral("2"), QStringLiteral("1")}));

        auto all = PaymentGrids::load(PaymentGrid::Scadenzario, today, today).rows;
        QCOMPARE(column(all, 0), QStringList({"1", "2", "3", "4", "5"}));
        QCOMPARE(all.first().size(), 14);

        // The imminent grid leaves out the settled payment of 07/03/2025.
        QStringList imminent = column(PaymentGrids::load(PaymentGrid::Imminenti, today, today).rows, 1);
        imminent.sort();
        QCOMPARE(imminent, QStringList({QStringLiteral("01/02/2024"), QStringLiteral("15/02/2025"),
                                        QStringLiteral("29/02/2024"), QStringLiteral("7/03/2025")}));

        // Records, none selected: no row at all.
        auto none = PaymentGrids::load(PaymentGrid::Giornaliere, today, QDate(2030, 1, 1));
        QVERIFY(none.complete());
        QCOMPARE(none.records, 5);
        QVERIFY(none.rows.isEmpty());
    }

    void emptyArchiveKeepsDesignRows()
    {
        writePaymentArchive({});
        QCOMPARE(PaymentGrids::load(PaymentGrid::Imminenti, QDate(2025, 5, 15), QDate(2025, 5, 15)).records, 0);
        QCOMPARE(PaymentGrids::load(PaymentGrid::Scadenzario, QDate(2025, 5, 15), QDate(2025, 5, 15)).records, 0);
    }

    void sortByKeyMovesWholeRows()
    {
        GridRows rows = {{"1", "x", "b"}, {"2", "y", "A"}, {"3", "z", "c"}};
        SortGridByKey(rows, 2);
        QCOMPARE(rows, GridRows({{"2", "y", "A"}, {"1", "x", "b"}, {"3", "z", "c"}}));
    }
};

QTEST_GUILESS_MAIN(TestPaymentGrids)
#include "tst_paymentgrids.moc"
