// Which payments are imminent, their date key and their list row.
#include "agenda/Imminence.h"
#include "lists/ListOrder.h"

#include <QTest>

namespace {
PaymentRecord payment(const QString &date, const QString &notice, const QString &settled,
                      const QString &hour = QStringLiteral("09"), const QString &minute = QStringLiteral("30"))
{
    PaymentRecord r;
    r.Data = date;
    r.Avviso = notice;
    r.Ottemperata = settled;
    r.OreApp = hour;
    r.MinutiApp = minute;
    r.Ora = hour + QLatin1Char(':') + minute;
    return r;
}
const QDate kToday(2025, 5, 15);
}

class TestImminence : public QObject {
    Q_OBJECT
private slots:
    void imminent_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("settled");
        QTest::addColumn<bool>("imminent");
        QTest::newRow("notice reaches today") << "20/05/2025"
                                              << "5"
                                              << "No" << true;
        QTest::newRow("notice one day short") << "20/05/2025"
                                              << "4"
                                              << "No" << false;
        QTest::newRow("due today, no notice") << "15/05/2025"
                                              << "0"
                                              << "No" << true;
        QTest::newRow("overdue stays imminent") << "14/05/2025"
                                                << "0"
                                                << "No" << true;
        QTest::newRow("long overdue") << "01/01/2020"
                                      << "0"
                                      << "No" << true;
        QTest::newRow("settled never") << "14/05/2025"
                                       << "0"
                                       << "Sì" << false;
        QTest::newRow("blank flag never") << "14/05/2025"
                                          << "0"
                                          << "" << false;
        QTest::newRow("flag is case-sensitive") << "14/05/2025"
                                                << "0"
                                                << "no" << false;
        QTest::newRow("flag is trimmed") << "14/05/2025"
                                         << "0"
                                         << " No " << true;
        QTest::newRow("large notice") << "15/05/2026"
                                      << "365"
                                      << "No" << true;
        QTest::newRow("empty date") << ""
                                    << "0"
                                    << "No" << false;
        QTest::newRow("not a date") << "31/02/2025"
                                    << "0"
                                    << "No" << false;
        QTest::newRow("empty notice") << "14/05/2025"
                                      << ""
                                      << "No" << false;
        QTest::newRow("letters in notice") << "14/05/2025"
                                           << "5g"
                                           << "No" << false;
        QTest::newRow("one-digit day and month") << "7/5/2025"
                                                 << "0"
                                                 << "No" << true;
        QTest::newRow("signed notice") << "20/05/2025"
                                       << "+5"
                                       << "No" << true;
        QTest::newRow("negative notice") << "14/05/2025"
                                         << "-2"
                                         << "No" << false;
        QTest::newRow("blank inside the notice") << "14/05/2025"
                                                 << "1 0"
                                                 << "No" << false;
        QTest::newRow("three-digit year") << "14/05/202"
                                          << "0"
                                          << "No" << false;
        QTest::newRow("accented flag") << "14/05/2025"
                                       << "0"
                                       << "Nò" << false;
    }
    void imminent()
    {
        QFETCH(QString, date);
        QFETCH(QString, notice);
        QFETCH(QString, settled);
        QFETCH(bool, imminent);
        // The scans decide on the stored bytes.
        const QByteArray bytes = payment(date, notice, settled).encode();
        QCOMPARE(IsImminent(bytes.constData(), kToday), imminent);
    }

    // Blanks and control codes another tool may have stored around a field
    // are not part of it.
    void imminentTrimsStoredFields()
    {
        QByteArray bytes = payment(QStringLiteral("20/05/2025"), QStringLiteral("0"), QStringLiteral("No")).encode();
        const FieldRef avviso = PaymentLayout.field(&PaymentRecord::Avviso);
        bytes[avviso.offset] = char(3);
        bytes.replace(avviso.offset + 1, 3, " 5\t");
        QVERIFY(IsImminent(bytes.constData(), kToday));
        bytes.replace(avviso.offset + 1, 3, " 4\t");
        QVERIFY(!IsImminent(bytes.constData(), kToday));
        // A flag cut short by a blank is no "No".
        const FieldRef settled = PaymentLayout.field(&PaymentRecord::Ottemperata);
        bytes.replace(avviso.offset + 1, 3, "\t5 ");
        QVERIFY(IsImminent(bytes.constData(), kToday));
        bytes[settled.offset] = char(2);
        bytes.replace(settled.offset + 1, 2, " N");
        QVERIFY(!IsImminent(bytes.constData(), kToday));
    }

    void dueDateKey()
    {
        QCOMPARE(DueDateKey(payment(QStringLiteral("07/03/2025"), QStringLiteral("0"), QStringLiteral("No"))),
                 QStringLiteral("202503070930"));
        // An hour emptied by its leaving rule simply leaves a shorter key.
        QCOMPARE(DueDateKey(payment(QStringLiteral("07/03/2025"), QStringLiteral("0"), QStringLiteral("No"), QString(),
                                    QStringLiteral("30"))),
                 QStringLiteral("2025030730"));
    }

    void rowColumns()
    {
        PaymentRecord r = payment(QStringLiteral("07/03/2025"), QStringLiteral("0"), QStringLiteral("No"));
        r.Causale = QString(45, QLatin1Char('c'));
        r.Contatto = QString(30, QLatin1Char('k'));
        r.Cel = QStringLiteral("333 1234567");
        r.Importo = QStringLiteral("1234567890,00");
        const QString row = ImminentListRow(r);
        QCOMPARE(row.left(16), QStringLiteral("ID: 202503070930"));
        QCOMPARE(row.mid(16, 8), QStringLiteral("  Data: "));
        QCOMPARE(row.mid(24, 10), QStringLiteral("07/03/2025"));
        QCOMPARE(row.mid(34, 7), QStringLiteral("  Ora: "));
        QCOMPARE(row.mid(41, 5), QStringLiteral("09:30"));
        QCOMPARE(row.mid(48, 40), QString(40, QLatin1Char('c')));
        QCOMPARE(row.mid(88, 2), QStringLiteral("  "));
        QCOMPARE(row.mid(90, 28), QString(28, QLatin1Char('k')));
        QCOMPARE(row.mid(118, 7), QStringLiteral("  Cel. "));
        QCOMPARE(row.mid(125, 15), QStringLiteral("333 1234567    "));
        QCOMPARE(row.mid(140, 4), QStringLiteral("  € "));
        QCOMPARE(row.mid(144), QStringLiteral("1234567890,00"));
    }

    void rowsSortByDateAndTime()
    {
        QStringList rows = {
            ImminentListRow(payment(QStringLiteral("07/03/2025"), QStringLiteral("0"), QStringLiteral("No"))),
            ImminentListRow(payment(QStringLiteral("06/03/2026"), QStringLiteral("0"), QStringLiteral("No"),
                                    QStringLiteral("07"), QStringLiteral("00"))),
            ImminentListRow(payment(QStringLiteral("07/03/2025"), QStringLiteral("0"), QStringLiteral("No"),
                                    QStringLiteral("08"), QStringLiteral("15"))),
        };
        ListOrder::sort(rows);
        QVERIFY(rows[0].contains(QStringLiteral("08:15")));
        QVERIFY(rows[1].contains(QStringLiteral("09:30")));
        QVERIFY(rows[2].contains(QStringLiteral("06/03/2026")));
    }

    void listOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("case of a-z ignored") << "abc"
                                             << "ABC" << 0;
        QTest::newRow("letters") << "Bianchi"
                                 << "alfa" << 1;
        QTest::newRow("underscore after letters") << "a_"
                                                  << "aZ" << -1; // '_' (95) < 'z' (122)
        QTest::newRow("accents by code") << "È"
                                         << "e" << 1;
        QTest::newRow("accent case not folded") << "è"
                                                << "È" << 1;
        QTest::newRow("prefix first") << "ab"
                                      << "abc" << -1;
    }
    void listOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const int c = ListOrder::compare(a, b);
        QCOMPARE((c > 0) - (c < 0), sign);
        QCOMPARE(ListOrder::compare(b, a), -ListOrder::compare(a, b));
    }

    // The list windows' sort folds each row once: the same order as compare(),
    // equal rows kept as they came.
    void rowSort_data()
    {
        listOrder_data();
        QTest::newRow("outside the basic plane by code unit")
            << QStringLiteral("x\U0001F600") << QStringLiteral("x\uFFFD") << -1;
    }
    void rowSort()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        QVector<ListRow> rows = {{b, 1}, {a, 2}};
        ListOrder::sort(rows);
        QCOMPARE(rows[0].record, sign < 0 ? 2 : 1);
    }
};

QTEST_GUILESS_MAIN(TestImminence)
#include "tst_imminence.moc"
