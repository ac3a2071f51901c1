#include "checks/CardNumber.h"

namespace CardNumber {

QString digitsOf(const QString &text)
{
    QString digits;
    for (const QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    return digits;
}

bool passesLuhn(const QString &digits)
{
    if (digits.isEmpty())
        return false;
    const qsizetype n = digits.size();
    int sum = 0;
    // From the digit before the check digit leftwards, every second one doubled.
    for (qsizetype i = n - 2, distance = 1; i >= 0; --i, ++distance) {
        int value = digits.at(i).unicode() - u'0';
        if (distance % 2 == 1) {
            value *= 2;
            if (value >= 10)
                value -= 9;
        }
        sum += value;
    }
    const int expected = sum % 10 == 0 ? 0 : 10 - sum % 10;
    return digits.at(n - 1).unicode() - u'0' == expected;
}

int check(const QString &text)
{
    // Every digit of the text counts, however long: checking only a leading
    // part would call valid a number that is not the one shown.
    const QString digits = digitsOf(text);
    if (!passesLuhn(digits))
        return 0;
    return digits.at(0).unicode() - u'2';
}

QString kindName(int code, const QString &trimmedText)
{
    switch (code) {
    case 1: {
        const QString prefix = trimmedText.left(2);
        for (const char *p : {"30", "36", "38"})
            if (prefix == QLatin1String(p))
                return QStringLiteral("Diner's Club / Carte Blanche");
        for (const char *p : {"34", "37"})
            if (prefix == QLatin1String(p))
                return QStringLiteral("American Express");
        for (const char *p : {"31", "33", "35"})
            if (prefix == QLatin1String(p))
                return QStringLiteral("JCB");
        return {};
    }
    case 2:
        return QStringLiteral("Visa");
    case 3:
        return QStringLiteral("MasterCard");
    case 4:
        return QStringLiteral("Discover");
    default:
        return {};
    }
}

}
