#include "checks/FiscalCode.h"

namespace {
// Odd-position values of "0" to "Z" in code order; the seven punctuation
// marks between "9" and "A" are worth 0, and the digits weigh like A to J.
constexpr int kOdd[43] = {
    1,  0,  5, 7, 9, 13, 15, 17, 19, 21,             // 0-9
    0,  0,  0, 0, 0, 0,  0,                          // : ; < = > ? @
    1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18, // A-M
    20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23, // N-Z
};

int indexOf(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'Z') ? int(u - u'0') : -1;
}
}

namespace FiscalCode {

int oddValue(QChar c)
{
    const int i = indexOf(c);
    return i < 0 ? -1 : kOdd[i];
}

int evenValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'Z')
        return u - u'A';
    return indexOf(c) < 0 ? -1 : 0;
}

QChar checkCharacter(const QString &code)
{
    if (code.size() < 15)
        return {};
    int sum = 0;
    for (int i = 0; i < 15; ++i) {
        // Positions count from 1, so index 0 is the first odd position.
        const int value = (i % 2 == 0) ? oddValue(code.at(i)) : evenValue(code.at(i));
        if (value < 0)
            return {};
        sum += value;
    }
    return QChar(u'A' + sum % 26);
}

bool isValid(const QString &code)
{
    const QString upper = code.toUpper();
    if (upper.size() != 16)
        return false;
    const QChar expected = checkCharacter(upper);
    return !expected.isNull() && upper.at(15) == expected;
}

}
