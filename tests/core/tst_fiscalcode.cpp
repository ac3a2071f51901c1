// The check character of the personal fiscal code.
#include "checks/FiscalCode.h"

#include <QTest>

class TestFiscalCode : public QObject {
    Q_OBJECT

    static QStringList knownValid()
    {
        return {QStringLiteral("RSSMRA85T10A562S"), QStringLiteral("RCCMNL83S18D969H"),
                QStringLiteral("MRTMTT25D09F205Z"),
                // Nonsense birth date and place: only the check character matters.
                QStringLiteral("BNCGNN99Z99Z999I"), QStringLiteral("ZZZZZZ99Z99Z99ZT")};
    }

private slots:
    void tableValues_data()
    {
        QTest::addColumn<QChar>("c");
        QTest::addColumn<int>("odd");
        QTest::addColumn<int>("even");
        QTest::newRow("A") << QChar(u'A') << 1 << 0;
        QTest::newRow("0 weighs like A") << QChar(u'0') << 1 << 0;
        QTest::newRow("B") << QChar(u'B') << 0 << 1;
        QTest::newRow("1 weighs like B") << QChar(u'1') << 0 << 1;
        QTest::newRow("C") << QChar(u'C') << 5 << 2;
        QTest::newRow("2") << QChar(u'2') << 5 << 2;
        QTest::newRow("9") << QChar(u'9') << 21 << 9;
        QTest::newRow("J") << QChar(u'J') << 21 << 9;
        QTest::newRow("K") << QChar(u'K') << 2 << 10;
        QTest::newRow("X") << QChar(u'X') << 25 << 23;
        QTest::newRow("Z") << QChar(u'Z') << 23 << 25;
        QTest::newRow("colon") << QChar(u':') << 0 << 0;
        QTest::newRow("at sign") << QChar(u'@') << 0 << 0;
        QTest::newRow("full stop") << QChar(u'.') << -1 << -1;
        QTest::newRow("bracket after Z") << QChar(u'[') << -1 << -1;
        QTest::newRow("lower case") << QChar(u'a') << -1 << -1;
        QTest::newRow("accented") << QChar(u'È') << -1 << -1;
    }
    void tableValues()
    {
        QFETCH(QChar, c);
        QFETCH(int, odd);
        QFETCH(int, even);
        QCOMPARE(FiscalCode::oddValue(c), odd);
        QCOMPARE(FiscalCode::evenValue(c), even);
    }

    void oddTableIsAPermutationOfTheLetters()
    {
        // Every letter has its own value 0 to 25, so changing one letter for
        // another anywhere always changes the check character.
        QList<int> seen;
        for (char16_t c = u'A'; c <= u'Z'; ++c)
            seen << FiscalCode::oddValue(QChar(c));
        std::sort(seen.begin(), seen.end());
        for (int i = 0; i < 26; ++i)
            QCOMPARE(seen.at(i), i);
    }

    void validCodes_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &c : knownValid())
            QTest::newRow(qPrintable(c)) << c;
    }
    void validCodes()
    {
        QFETCH(QString, code);
        QVERIFY(FiscalCode::isValid(code));
        QCOMPARE(FiscalCode::checkCharacter(code), code.at(15));
        QVERIFY2(FiscalCode::isValid(code.toLower()), "a lower-case code is checked in upper case");
    }

    void anyLetterChangedIsWrong_data() { validCodes_data(); }
    void anyLetterChangedIsWrong()
    {
        QFETCH(QString, code);
        for (int pos = 0; pos < 16; ++pos) {
            for (char16_t c = u'A'; c <= u'Z'; ++c) {
                if (code.at(pos) == QChar(c))
                    continue;
                QString changed = code;
                changed[pos] = QChar(c);
                // A digit and the letter of the same weight are interchangeable.
                const bool sameWeight = code.at(pos).isDigit()
                                        && FiscalCode::oddValue(code.at(pos)) == FiscalCode::oddValue(QChar(c))
                                        && FiscalCode::evenValue(code.at(pos)) == FiscalCode::evenValue(QChar(c));
                QCOMPARE(FiscalCode::isValid(changed), sameWeight);
            }
        }
    }

    void digitAsCheckCharacterIsAlwaysWrong_data() { validCodes_data(); }
    void digitAsCheckCharacterIsAlwaysWrong()
    {
        QFETCH(QString, code);
        for (char16_t d = u'0'; d <= u'9'; ++d) {
            QString changed = code;
            changed[15] = QChar(d);
            QVERIFY(!FiscalCode::isValid(changed));
        }
    }

    void punctuationBetweenNineAndACountsAsZero_data()
    {
        QTest::addColumn<int>("pos");
        QTest::addColumn<QChar>("mark");
        const QString marks = QStringLiteral(":;<=>?@");
        for (int pos : {0, 1, 6, 13, 14})
            for (QChar m : marks)
                QTest::addRow("%c at %d", char(m.unicode()), pos + 1) << pos << m;
    }
    void punctuationBetweenNineAndACountsAsZero()
    {
        QFETCH(int, pos);
        QFETCH(QChar, mark);
        QString withMark = QStringLiteral("RSSMRA85T10A562S");
        withMark[pos] = mark;
        // Zero is "B" at an odd position (counting from 1) and "A" at an even one.
        QString withZero = withMark;
        withZero[pos] = (pos % 2 == 0) ? QChar(u'B') : QChar(u'A');
        const QChar expected = FiscalCode::checkCharacter(withZero);
        QVERIFY(!expected.isNull());
        QCOMPARE(FiscalCode::checkCharacter(withMark), expected);
        withMark[15] = expected;
        QVERIFY(FiscalCode::isValid(withMark));
    }

    void wrongLengthOrCharactersAreNotValid_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("empty") << QString();
        QTest::newRow("15") << QStringLiteral("RSSMRA85T10A562");
        QTest::newRow("17") << QStringLiteral("RSSMRA85T10A562SX");
        QTest::newRow("full stop") << QStringLiteral("RSSMRA85T.0A562S");
        QTest::newRow("blank") << QStringLiteral("RSSMRA85T 0A562S");
        QTest::newRow("accented") << QStringLiteral("RSSMRÀ85T10A562S");
        QTest::newRow("past Z") << QStringLiteral("RSSMRA85T10A56[S");
        QTest::newRow("punctuation check") << QStringLiteral("RSSMRA85T10A562:");
        QTest::newRow("sharp s grows in upper case") << QStringLiteral("RSSMRA85T10A56ß");
    }
    void wrongLengthOrCharactersAreNotValid()
    {
        QFETCH(QString, code);
        QVERIFY(!FiscalCode::isValid(code));
    }
};

QTEST_GUILESS_MAIN(TestFiscalCode)
#include "tst_fiscalcode.moc"
