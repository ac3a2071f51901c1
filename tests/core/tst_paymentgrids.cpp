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

    void dayAndMonthCompareTexts()
    {
        const QDate day(2025, 3, 7);
        QVERIFY(PaymentGrids::sameDay(payment(QStringLiteral("07/03/2025"), QStringLiteral("09"), QStringLiteral("Sì")), day));
        QVERIFY(!PaymentGrids::sameDay(payment(QStringLiteral("7/03/2025"), QStringLiteral("09")), day));
        const QDate feb(2024, 2, 15);
        QVERIFY(PaymentGrids::sameMonth(payment(QStringLiteral("01/02/2024"), QStringLiteral("09")), feb));
        QVERIFY(PaymentGrids::sameMonth(payment(QStringLiteral("29/02/2024"), QStringLiteral("09")), feb));
        QVERIFY(!PaymentGrids::sameMonth(payment(QStringLiteral("15/02/2025"), QStringLiteral("09")), feb));
        QVERIFY(!PaymentGrids::sameMonth(payment(QString(), QStringLiteral("09")), feb));
    }

    void rowCells()
    {
        PaymentRecord r = payment(QStringLiteral("07/03/2025"), QStringLiteral("09"));
        r.Note = QStringLiteral("nota");
        r.Ottemperata = QStringLiteral("Sì");
        const QStringList cells = PaymentGrids::row(r, QStringLiteral("4"), true);
        QCOMPARE(cells.size(), 15);
        QCOMPARE(cells[0], QStringLiteral("4"));
        QCOMPARE(cells[12], QStringLiteral("Sì"));
        QCOMPARE(cells[13], QStringLiteral("nota"));
        QCOMPARE(cells[14], QStringLiteral("202503070900"));
        QCOMPARE(PaymentGrids::row(r, QStringLiteral("4"), false).size(), 14);
    }

    void sortKeepsFileNumbers()
    {
        // A due 10/05 first in the file, B due 01/05 second: B comes first, numbered 2.
        writePaymentArchive({payment(QStringLiteral("10/05/2025"), QStringLiteral("09"), QStringLiteral("No"), QStringLiteral("A")),
                      payment(QStringLiteral("01/05/2025"), QStringLiteral("09"), QStringLiteral("No"), QStringLiteral("B"))});
        const auto rows = PaymentGrids::load(PaymentGrid::Imminenti, QDate(2025, 5, 15), QDate(2025, 5, 15));
        QVERIFY(rows);
        QCOMPARE(column(*rows, 4), QStringList({QStringLiteral("B"), QStringLiteral("A")}));
        QCOMPARE(column(*rows, 0), QStringList({QStringLiteral("2"), QStringLiteral("1")}));
    }

    void selections()
    {
        writePaymentArchive({payment(QStringLiteral("29/02/2024"), QStringLiteral("18")),
                      payment(QStringLiteral("07/03/2025"), QStringLiteral("09"), QStringLiteral("Sì")),
                      payment(QStringLiteral("01/02/2024"), QStringLiteral("08")),
                      payment(QStringLiteral("7/03/2025"), QStringLiteral("07")),
                      payment(QStringLiteral("15/02/2025"), QStringLiteral("10"))});
        const QDate today(2025, 5, 15);
        auto day = PaymentGrids::load(PaymentGrid::Giornaliere, today, QDate(2025, 3, 7));
        QCOMPARE(column(*day, 1), QStringList({QStringLiteral("07/03/2025")}));
        QCOMPARE(column(*day, 0), QStringList({QStringLiteral("1")}));

        auto month = PaymentGrids::load(PaymentGrid::Mensili, today, QDate(2024, 2, 15));
        QCOMPARE(column(*month, 1), QStringList({QStringLiteral("01/02/2024"), QStringLiteral("29/02/2024")}));
        QCOMPARE(column(*month, 0), QStringList({QStringLiteral("2"), QStringLiteral("1")}));

        auto all = PaymentGrids::load(PaymentGrid::Scadenzario, today, today);
        QCOMPARE(column(*all, 0), QStringList({"1", "2", "3", "4", "5"}));
        QCOMPARE(all->first().size(), 14);

        // Records, none selected: no row at all.
        auto none = PaymentGrids::load(PaymentGrid::Giornaliere, today, QDate(2030, 1, 1));
        QVERIFY(none);
        QVERIFY(none->isEmpty());
    }

    void emptyArchiveKeepsDesignRows()
    {
        writePaymentArchive({});
        QVERIFY(!PaymentGrids::load(PaymentGrid::Imminenti, QDate(2025, 5, 15), QDate(2025, 5, 15)));
        QVERIFY(!PaymentGrids::load(PaymentGrid::Scadenzario, QDate(2025, 5, 15), QDate(2025, 5, 15)));
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
