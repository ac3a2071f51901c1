// The IBAN remainder-97 test.
#include "checks/Iban.h"

#include <QTest>

class TestIban : public QObject {
    Q_OBJECT
    static QString italian() { return QStringLiteral("IT60X0542811101000000123456"); }

private slots:
    void remainder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("Italian") << italian() << 1;
        QTest::newRow("British") << QStringLiteral("GB82WEST12345698765432") << 1;
        QTest::newRow("German") << QStringLiteral("DE89370400440532013000") << 1;
        QTest::newRow("last digit changed") << QStringLiteral("IT60X0542811101000000123457") << 28;
        QTest::newRow("check digits changed") << QStringLiteral("IT06X0542811101000000123456") << 44;
        QTest::newRow("lower case") << italian().toLower() << 1;
        QTest::newRow("IBAN before") << QStringLiteral("IBAN") + italian() << 1;
        QTest::newRow("IBAN inside is removed too") << QStringLiteral("IT60X05428IBAN11101000000123456") << 1;
        // The second IBAN stays and moves to the end with the country code.
        QTest::newRow("only the first IBAN goes") << QStringLiteral("IBANIBAN") + italian() << 36;
        QTest::newRow("full stop") << QStringLiteral("IT60X0542811101000000123.56") << 0;
        QTest::newRow("blank") << QStringLiteral("IT60 X054") << 0;
        QTest::newRow("accented letter") << QStringLiteral("IT60X05428111010000001234À6") << 0;
        QTest::newRow("minus sign") << QStringLiteral("IT60-0542811101000000123456") << 0;
        QTest::newRow("empty") << QString() << 0;
        // Shorter than a piece: the whole text moves and is read at once.
        QTest::newRow("two letters") << QStringLiteral("IT") << 1829 % 97;
        QTest::newRow("nine digits") << QStringLiteral("123456789") << 567891234 % 97;
    }
    void remainder()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(Iban::remainder(text), expected);
    }

    void blanksAreRemovedBeforeTheCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("German in groups, 27 characters") << QStringLiteral("DE89 3704 0044 0532 0130 00") << true;
        QTest::newRow("Italian in groups") << QStringLiteral("IT60 X054 2811 1010 0000 0123 456") << true;
        QTest::newRow("blank in the middle") << QStringLiteral("IT60X05428 11101000000123456") << true;
        QTest::newRow("wrong in groups") << QStringLiteral("DE89 3704 0044 0532 0130 01") << false;
        QTest::newRow("full stop") << QStringLiteral("IT60X0542811101000000123.56") << false;
        QTest::newRow("only blanks") << QStringLiteral("   ") << false;
    }
    void blanksAreRemovedBeforeTheCheck()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(Iban::isValid(text), valid);
    }

    void swappedAdjacentDigitsAreWrong()
    {
        const QString good = italian();
        int swaps = 0;
        for (int i = 0; i + 1 < good.size(); ++i) {
            if (!good.at(i).isDigit() || !good.at(i + 1).isDigit() || good.at(i) == good.at(i + 1))
                continue;
            QString swapped = good;
            std::swap(swapped[i], swapped[i + 1]);
            QVERIFY2(!Iban::isValid(swapped), qPrintable(swapped));
            ++swaps;
        }
        QVERIFY(swaps > 5);
    }

    void anyDigitOrLetterChangedIsWrong()
    {
        // A digit for another digit, or a letter for another letter, always
        // changes the remainder; a letter for a digit changes the length and
        // is caught only by chance.
        const QString good = italian();
        const QString digits = QStringLiteral("0123456789");
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        for (int i = 0; i < good.size(); ++i) {
            for (QChar c : good.at(i).isDigit() ? digits : letters) {
                if (c == good.at(i))
                    continue;
                QString changed = good;
                changed[i] = c;
                QVERIFY2(!Iban::isValid(changed), qPrintable(changed));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestIban)
#include "tst_iban.moc"
