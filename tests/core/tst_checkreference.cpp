// The four identifier checks against an independent implementation of the same
// algorithms (python-stdnum) over a few hundred generated numbers. Skipped when
// python3 with stdnum is not installed.
#include "checks/CardNumber.h"
#include "checks/FiscalCode.h"
#include "checks/Iban.h"
#include "checks/VatNumber.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

namespace {

// One line of input for every case; stdnum answers one line for each.
const char *const kScript = R"(
import sys
from stdnum import iban, luhn
from stdnum.iso7064 import mod_97_10
from stdnum.it import codicefiscale
for line in sys.stdin.read().splitlines():
    kind, value = line.split('\t', 1)
    if kind == 'cf':
        print(codicefiscale.calc_check_digit(value))
    elif kind == 'ibanrem':
        c = value.replace(' ', '').upper()
        print(mod_97_10.checksum(c[4:] + c[:4]))
    elif kind == 'ibancheck':
        print(iban.calc_check_digits(value))
    elif kind == 'ibanvalid':
        print(int(iban.is_valid(value)))
    elif kind == 'luhncheck':
        print(luhn.calc_check_digit(value))
    elif kind == 'luhn':
        print(int(luhn.is_valid(''.join(ch for ch in value if ch.isdigit()))))
)";

struct Case {
    QString kind;
    QString value;
};

class Generator {
public:
    QString pick(const QString &alphabet, int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += alphabet.at(m_rng.bounded(int(alphabet.size())));
        return s;
    }
    QString digits(int n) { return pick(QStringLiteral("0123456789"), n); }
    QString letters(int n) { return pick(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), n); }
    QString alnum(int n) { return pick(QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"), n); }
    int bounded(int lo, int hi) { return m_rng.bounded(lo, hi); }
    // An Italian account: CIN, bank, branch, account number.
    QString italianBban()
    {
        QString account = m_rng.bounded(3) == 0 ? alnum(12) : digits(12);
        return letters(1) + digits(10) + account;
    }
    QString grouped(const QString &s)
    {
        QString out;
        for (int i = 0; i < s.size(); ++i) {
            if (i > 0 && i % 4 == 0)
                out += u' ';
            out += s.at(i);
        }
        return out;
    }

private:
    QRandomGenerator m_rng {20250515};
};

}

class TestCheckReference : public QObject {
    Q_OBJECT
    QString m_python;

    QStringList askStdnum(const QVector<Case> &cases)
    {
        QByteArray input;
        for (const Case &c : cases)
            input += (c.kind + u'\t' + c.value + u'\n').toUtf8();
        QProcess python;
        python.start(m_python, {QStringLiteral("-c"), QString::fromLatin1(kScript)});
        if (!python.waitForStarted())
            return {};
        python.write(input);
        python.closeWriteChannel();
        python.waitForFinished(60000);
        if (python.exitCode() != 0)
            qWarning("%s", python.readAllStandardError().constData());
        return QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        // The distribution's python first: another python on the path may lack
        // the distribution's packages.
        for (const QString &candidate : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
            QProcess probe;
            probe.start(candidate, {QStringLiteral("-c"), QStringLiteral("import stdnum")});
            if (probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0) {
                m_python = candidate;
                return;
            }
        }
        QSKIP("python3 with stdnum (Debian package python3-stdnum) is not installed");
    }

    void fiscalCodeCheckCharacter()
    {
        Generator gen;
        QVector<Case> cases;
        for (int i = 0; i < 300; ++i) {
            // Half shaped like real codes, half any letters and digits.
            const QString body = i % 2 == 0 ? gen.letters(6) + gen.digits(2) + gen.letters(1) + gen.digits(2)
                                                  + gen.letters(1) + gen.digits(3)
                                            : gen.alnum(15);
            cases.append({QStringLiteral("cf"), body});
        }
        const QStringList answers = askStdnum(cases);
        QCOMPARE(answers.size(), cases.size());
        for (int i = 0; i < cases.size(); ++i) {
            const QString &body = cases.at(i).value;
            const QChar expected = answers.at(i).at(0);
            QCOMPARE(FiscalCode::checkCharacter(body), expected);
            QVERIFY(FiscalCode::isValid(body + expected));
            const QChar other = QChar(u'A' + (expected.unicode() - u'A' + 1 + i % 25) % 26);
            QVERIFY(!FiscalCode::isValid(body + other));
        }
    }

    void ibanRemainder()
    {
        Generator gen;
        QVector<Case> cases;
        for (int i = 0; i < 300; ++i) {
            QString text;
            do {
                text = QStringLiteral("IT") + gen.digits(2) + gen.italianBban();
            } while (text.contains(QLatin1String("IBAN")));
            // Some in groups of four, some in lower case: both are compacted first.
            if (i % 3 == 1)
                text = gen.grouped(text);
            if (i % 5 == 2)
                text = text.toLower();
            cases.append({QStringLiteral("ibanrem"), text});
        }
        const QStringList answers = askStdnum(cases);
        QCOMPARE(answers.size(), cases.size());
        for (int i = 0; i < cases.size(); ++i) {
            QString compact = cases.at(i).value;
            compact.remove(u' ');
            QCOMPARE(Iban::remainder(compact), answers.at(i).toInt());
            QCOMPARE(Iban::isValid(cases.at(i).value), answers.at(i) == QLatin1String("1"));
        }
    }

    void ibanValidNumbers()
    {
        Generator gen;
        QVector<Case> digits;
        for (int i = 0; i < 300; ++i)
            digits.append({QStringLiteral("ibancheck"), QStringLiteral("IT00") + gen.italianBban()});
        const QStringList check = askStdnum(digits);
        QCOMPARE(check.size(), digits.size());

        QVector<Case> verdicts;
        for (int i = 0; i < digits.size(); ++i) {
            QString number = digits.at(i).value;
            number.replace(2, 2, check.at(i));
            // Every other one gets one character of the account changed, a digit for
            // a digit or a letter for a letter, which the remainder always catches.
            if (i % 2 == 1) {
                const int pos = gen.bounded(16, 27);
                const QChar old = number.at(pos);
                number[pos] = old.isDigit() ? QChar(u'0' + (old.digitValue() + 1) % 10)
                                            : QChar(u'A' + (old.unicode() - u'A' + 1) % 26);
            }
            verdicts.append({QStringLiteral("ibanvalid"), number});
        }
        const QStringList answers = askStdnum(verdicts);
        QCOMPARE(answers.size(), verdicts.size());
        int valid = 0;
        for (int i = 0; i < verdicts.size(); ++i) {
            const bool expected = answers.at(i) == QLatin1String("1");
            QCOMPARE(Iban::isValid(verdicts.at(i).value), expected);
            QCOMPARE(expected, i % 2 == 0);
            valid += expected;
        }
        QCOMPARE(valid, 150);
    }

    void vatNumbers()
    {
        Generator gen;
        QVector<Case> bodies;
        QVector<Case> full;
        for (int i = 0; i < 300; ++i) {
            bodies.append({QStringLiteral("luhncheck"), gen.digits(10)});
            full.append({QStringLiteral("luhn"), gen.digits(11)});
        }
        const QStringList check = askStdnum(bodies);
        const QStringList verdicts = askStdnum(full);
        QCOMPARE(check.size(), bodies.size());
        QCOMPARE(verdicts.size(), full.size());
        for (int i = 0; i < bodies.size(); ++i) {
            QCOMPARE(VatNumber::checkDigit(bodies.at(i).value), check.at(i).toInt());
            QVERIFY(VatNumber::isValid(bodies.at(i).value + check.at(i)));
            QCOMPARE(VatNumber::isValid(full.at(i).value), verdicts.at(i) == QLatin1String("1"));
        }
    }

    void cardNumbers()
    {
        Generator gen;
        QVector<Case> bodies;
        QVector<Case> full;
        for (int i = 0; i < 300; ++i) {
            bodies.append({QStringLiteral("luhncheck"), gen.digits(gen.bounded(11, 19))});
            QString text = gen.digits(gen.bounded(12, 20));
            if (i % 3 == 0)
                text = gen.grouped(text);
            full.append({QStringLiteral("luhn"), text});
        }
        const QStringList check = askStdnum(bodies);
        const QStringList verdicts = askStdnum(full);
        QCOMPARE(check.size(), bodies.size());
        QCOMPARE(verdicts.size(), full.size());
        for (int i = 0; i < bodies.size(); ++i) {
            const QString number = bodies.at(i).value + check.at(i);
            QCOMPARE(CardNumber::check(number), number.at(0).digitValue() - 2);

            const QString &text = full.at(i).value;
            const int expected = verdicts.at(i) == QLatin1String("1") ? text.at(0).digitValue() - 2 : 0;
            QCOMPARE(CardNumber::check(text), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestCheckReference)
#include "tst_checkreference.moc"
