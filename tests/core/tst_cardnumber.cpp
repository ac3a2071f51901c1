// The payment card Luhn check and the kind of card.
#include "checks/CardNumber.h"

#include <QTest>

class TestCardNumber : public QObject {
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("Visa") << QStringLiteral("4111111111111111") << 2;
        QTest::newRow("American Express") << QStringLiteral("378282246310005") << 1;
        QTest::newRow("Diner's Club") << QStringLiteral("36438999960016") << 1;
        QTest::newRow("JCB") << QStringLiteral("3530111333300000") << 1;
        QTest::newRow("MasterCard") << QStringLiteral("5555555555554444") << 3;
        QTest::newRow("Discover") << QStringLiteral("6011111111111117") << 4;
        QTest::newRow("begins with 2") << QStringLiteral("2223003122003222") << 0;
        QTest::newRow("begins with 0") << QStringLiteral("0111111111111119") << -2;
        QTest::newRow("begins with 1") << QStringLiteral("1111111111111117") << -1;
        QTest::newRow("begins with 7") << QStringLiteral("79927398713") << 5;
        QTest::newRow("begins with 9") << QStringLiteral("9111111111111110") << 7;
        QTest::newRow("Visa, last digit changed") << QStringLiteral("4111111111111112") << 0;
        QTest::newRow("groups of four") << QStringLiteral("4111 1111 1111 1111") << 2;
        QTest::newRow("dashes") << QStringLiteral("4111-1111-1111-1111") << 2;
        QTest::newRow("19 digits in groups") << QStringLiteral("4000 0000 0000 0000 006") << 2;
        // Digits past the 20th character count as well: the shown number is
        // the whole text, so a valid head must not hide a wrong tail.
        QTest::newRow("valid head, wrong tail") << QStringLiteral("4111 1111 1111 1111 999") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("no digits") << QStringLiteral("ABCD") << 0;
        QTest::newRow("single zero") << QStringLiteral("0") << -2;
    }
    void check()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(CardNumber::check(text), code);
    }

    void anyDigitChangedIsWrong_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("Visa") << QStringLiteral("4111111111111111");
        QTest::newRow("American Express") << QStringLiteral("378282246310005");
        QTest::newRow("MasterCard") << QStringLiteral("5555555555554444");
    }
    void anyDigitChangedIsWrong()
    {
        QFETCH(QString, number);
        for (int pos = 0; pos < number.size(); ++pos) {
            for (char16_t d = u'0'; d <= u'9'; ++d) {
                if (number.at(pos) == QChar(d))
                    continue;
                QString changed = number;
                changed[pos] = QChar(d);
                QVERIFY2(!CardNumber::passesLuhn(changed), qPrintable(changed));
                QCOMPARE(CardNumber::check(changed), 0);
            }
        }
    }

    void kindName_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kind");
        const QString diners = QStringLiteral("Diner's Club / Carte Blanche");
        const QString amex = QStringLiteral("American Express");
        const QString jcb = QStringLiteral("JCB");
        QTest::newRow("30") << 1 << QStringLiteral("30569309025904") << diners;
        QTest::newRow("36") << 1 << QStringLiteral("36438999960016") << diners;
        QTest::newRow("38") << 1 << QStringLiteral("38520000023237") << diners;
        QTest::newRow("34") << 1 << QStringLiteral("34") << amex;
        QTest::newRow("37") << 1 << QStringLiteral("378282246310005") << amex;
        QTest::newRow("31") << 1 << QStringLiteral("31") << jcb;
        QTest::newRow("33") << 1 << QStringLiteral("33") << jcb;
        QTest::newRow("35") << 1 << QStringLiteral("3530111333300000") << jcb;
        QTest::newRow("32 names no kind") << 1 << QStringLiteral("3200000000000002") << QString();
        QTest::newRow("39 names no kind") << 1 << QStringLiteral("3911111111111115") << QString();
        QTest::newRow("3 then a blank") << 1 << QStringLiteral("3 7") << QString();
        QTest::newRow("Visa") << 2 << QStringLiteral("4") << QStringLiteral("Visa");
        QTest::newRow("MasterCard") << 3 << QStringLiteral("5") << QStringLiteral("MasterCard");
        QTest::newRow("Discover") << 4 << QStringLiteral("6") << QStringLiteral("Discover");
        QTest::newRow("failed") << 0 << QStringLiteral("4") << QString();
        QTest::newRow("begins with 7") << 5 << QStringLiteral("7") << QString();
        QTest::newRow("begins with 0") << -2 << QStringLiteral("0") << QString();
    }
    void kindName()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(QString, kind);
        QCOMPARE(CardNumber::kindName(code, text), kind);
    }
};

QTEST_GUILESS_MAIN(TestCardNumber)
#include "tst_cardnumber.moc"
