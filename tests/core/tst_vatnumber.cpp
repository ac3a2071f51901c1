// The VAT number check digit and the office table.
#include "checks/VatNumber.h"

#include <QTest>

class TestVatNumber : public QObject {
    Q_OBJECT

private slots:
    void validNumbers_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("office");
        QTest::newRow("Milano 1") << QStringLiteral("00743110157") << QStringLiteral("Milano 1");
        QTest::newRow("120 like 101") << QStringLiteral("62068181205") << QStringLiteral("Bologna 2");
        QTest::newRow("101") << QStringLiteral("12345671015") << QStringLiteral("Bologna 2");
        QTest::newRow("121 like 102") << QStringLiteral("12345671213") << QStringLiteral("Napoli 2");
        QTest::newRow("accented name") << QStringLiteral("76543210405") << QStringLiteral("Forlì");
        // 2+8+1+2+1 at the odd positions and 2+7+6+0+1 at the even ones: 30.
        QTest::newRow("check digit 0") << QStringLiteral("21881320150") << QStringLiteral("Milano 1");
        QTest::newRow("office not in the table") << QStringLiteral("79532995556") << QString();
    }
    void validNumbers()
    {
        QFETCH(QString, number);
        QFETCH(QString, office);
        QVERIFY(VatNumber::isValid(number));
        QCOMPARE(VatNumber::checkDigit(number), number.at(10).digitValue());
        QCOMPARE(VatNumber::officeName(VatNumber::officeCode(number)), office);
    }

    void weightedSumMultipleOfTenNeedsZero()
    {
        // 1 at the 9th position and 9 doubled (1 + 8) at the 10th: 10.
        QCOMPARE(VatNumber::checkDigit(QStringLiteral("0000000019")), 0);
        QVERIFY(VatNumber::isValid(QStringLiteral("00000000190")));
        QVERIFY(!VatNumber::isValid(QStringLiteral("00000000191")));
        // Doubling 7 gives 14, which adds 1 + 4.
        QCOMPARE(VatNumber::checkDigit(QStringLiteral("0700000000")), 5);
    }

    void anyDigitChangedIsWrong_data() { validNumbers_data(); }
    void anyDigitChangedIsWrong()
    {
        QFETCH(QString, number);
        for (int pos = 0; pos < 11; ++pos) {
            for (char16_t d = u'0'; d <= u'9'; ++d) {
                if (number.at(pos) == QChar(d))
                    continue;
                QString changed = number;
                changed[pos] = QChar(d);
                QVERIFY2(!VatNumber::isValid(changed), qPrintable(changed));
            }
        }
    }

    void notElevenDigitsIsWrong_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("empty") << QString();
        QTest::newRow("10 digits") << QStringLiteral("0074311015");
        QTest::newRow("12 digits") << QStringLiteral("007431101570");
        QTest::newRow("letter") << QStringLiteral("0074311015A");
        QTest::newRow("letter in the body") << QStringLiteral("00743A10157");
        QTest::newRow("blank") << QStringLiteral("0074311015 ");
        QTest::newRow("prefix") << QStringLiteral("IT00743110157");
        QTest::newRow("Arabic-Indic digit") << QStringLiteral("0074311015") + QChar(0x0667);
    }
    void notElevenDigitsIsWrong()
    {
        QFETCH(QString, number);
        QVERIFY(!VatNumber::isValid(number));
    }

    void officeTable()
    {
        int named = 0;
        for (int code = 0; code < 1000; ++code) {
            const QString key = QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
            const QString name = VatNumber::officeName(key);
            const bool listed = (code >= 1 && code <= 102) || code == 120 || code == 121;
            QVERIFY2(name.isEmpty() != listed, qPrintable(key));
            named += listed ? 1 : 0;
        }
        QCOMPARE(named, 104);
        QCOMPARE(VatNumber::officeName(QStringLiteral("001")), QStringLiteral("Torino"));
        QCOMPARE(VatNumber::officeName(QStringLiteral("096")), QStringLiteral("Monza (Milano 2)"));
        QCOMPARE(VatNumber::officeName(QStringLiteral("099")), QStringLiteral("Chiavari (Genova 2)"));
        QCOMPARE(VatNumber::officeName(QStringLiteral("100")), QStringLiteral("Roma 2"));
        QCOMPARE(VatNumber::officeName(QStringLiteral("120")), VatNumber::officeName(QStringLiteral("101")));
        QCOMPARE(VatNumber::officeName(QStringLiteral("121")), VatNumber::officeName(QStringLiteral("102")));
        // The code is compared as text.
        QCOMPARE(VatNumber::officeName(QStringLiteral("15")), QString());
        QCOMPARE(VatNumber::officeName(QStringLiteral(" 15")), QString());
    }
};

QTEST_GUILESS_MAIN(TestVatNumber)
#include "tst_vatnumber.moc"
