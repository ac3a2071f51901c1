// The amount box's leaving rule: two decimals with ",", rounded to the cent in
// extended precision, and "0,00" for anything that is not a number.
#include "payments/AmountNormalisation.h"

#include <QTest>

class TestAmountNormalisation : public QObject {
    Q_OBJECT
private slots:
    void normalise_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("whole") << "7"
                               << "7,00";
        QTest::newRow("one decimal") << "1250,5"
                                     << "1250,50";
        QTest::newRow("two decimals") << "850,00"
                                      << "850,00";
        QTest::newRow("rounds up to a whole") << "0,999"
                                              << "1,00";
        QTest::newRow("half cent up") << "12,345"
                                      << "12,35";
        QTest::newRow("stored just below the half") << "2,675"
                                                    << "2,67";
        QTest::newRow("half a cent") << "0,005"
                                     << "0,01";
        QTest::newRow("below half a cent") << "0,004"
                                           << "0,00";
        QTest::newRow("zero") << "0"
                              << "0,00";
        QTest::newRow("leading zeros") << "00012"
                                       << "12,00";
        QTest::newRow("empty") << ""
                               << "0,00";
        QTest::newRow("blanks") << "   "
                                << "0,00";
        QTest::newRow("blanks around") << " 7 "
                                       << "7,00";
        QTest::newRow("lone comma") << ","
                                    << "0,00";
        QTest::newRow("two commas") << "1,,2"
                                    << "0,00";
        QTest::newRow("two separated commas") << "1,2,3"
                                              << "0,00";
        QTest::newRow("comma first") << ",5"
                                     << "0,50";
        QTest::newRow("comma last") << "1,"
                                    << "1,00";
        QTest::newRow("decimal point") << "1.5"
                                       << "0,00";
        QTest::newRow("thousands separator") << "1.250,00"
                                             << "0,00";
        QTest::newRow("letters") << "abc"
                                 << "0,00";
        QTest::newRow("exponent") << "1E3"
                                  << "0,00";
        QTest::newRow("many decimals") << "3,14159265358979"
                                       << "3,14";
        QTest::newRow("15 commas") << ",,,,,,,,,,,,,,,"
                                   << "0,00";
        QTest::newRow("largest that fits") << "999999999999,99"
                                           << "999999999999,99";
        QTest::newRow("15 digits") << "123456789012345"
                                   << "123456789012345,00";
        QTest::newRow("15 characters, one decimal") << "9999999999999,9"
                                                    << "9999999999999,90";
        QTest::newRow("15 characters, comma last") << "12345678901234,"
                                                   << "12345678901234,00";
        QTest::newRow("15 characters, tiny") << "0,0000000000009"
                                             << "0,00";
        QTest::newRow("15 characters, rounds to a whole") << "9,9999999999999"
                                                          << "10,00";
        // A minus cannot be typed; an amount read from an old record is rounded
        // symmetrically instead of losing a cent.
        QTest::newRow("negative") << "-5"
                                  << "-5,00";
        QTest::newRow("negative half cent") << "-12,345"
                                            << "-12,35";
        QTest::newRow("negative rounding to zero") << "-0,001"
                                                   << "0,00";
    }
    void normalise()
    {
        QFETCH(QString, typed);
        QFETCH(QString, normalised);
        QCOMPARE(normaliseAmount(typed), normalised);
    }

    void normalisedAmountIsStable_data() { normalise_data(); }
    void normalisedAmountIsStable()
    {
        // Leaving the box twice changes nothing the second time.
        QFETCH(QString, typed);
        const QString once = normaliseAmount(typed);
        QCOMPARE(normaliseAmount(once), once);
    }
};

QTEST_GUILESS_MAIN(TestAmountNormalisation)
#include "tst_amountnormalisation.moc"
