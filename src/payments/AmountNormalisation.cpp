#include "payments/AmountNormalisation.h"

#include "records/TextField.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <optional>

// The rounding must keep the difference between a double and its decimal text
// (2,675 is stored just below it and must round down): that takes the x87
// extended type, which g++ gives as long double on this platform.
static_assert(std::numeric_limits<long double>::digits == 64, "amounts need 80-bit long double");

namespace {

const QString kZero = QStringLiteral("0,00");

// An optional sign, digits and "," as the decimal separator, with digits on at
// least one side of it. No thousands separator, no decimal point, no exponent.
std::optional<double> readAmount(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(?:[0-9]+(?:,[0-9]*)?|,[0-9]+)$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    QString c = text;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = c.toDouble(&ok); // C locale, correctly rounded
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double roundToCents(double v)
{
    // v * 100 + 0.5 truncated, in extended precision. A negative amount cannot be
    // typed, but one read from an old record is rounded the same way from the
    // other side, so that -5,00 stays -5,00 instead of drifting to -4,99.
    const long double scaled = static_cast<long double>(v) * 100.0L;
    const long double cents = std::trunc(scaled < 0 ? scaled - 0.5L : scaled + 0.5L);
    const double r = static_cast<double>(cents / 100.0L);
    return r == 0 ? 0.0 : r; // never "-0"
}

// General format: at most 15 significant digits, no trailing zeros, "," as separator.
QString generalFormat(double r)
{
    // Where the general format would turn to an exponent, plain digits keep
    // the text an amount.
    QString s = QString::number(r, 'g', 15);
    if (s.contains(QLatin1Char('e'))) {
        // Plain digits, two decimals at most (it is rounded to cents), no
        // trailing zeros.
        s = QString::number(r, 'f', 2);
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

}

QString normaliseAmount(const QString &text)
{
    const QString t = TextField::trimmed(text);
    if (t.isEmpty())
        return kZero;
    const std::optional<double> v = readAmount(t);
    if (!v)
        return kZero;
    QString s = generalFormat(roundToCents(*v));
    if (!s.contains(QLatin1Char(',')))
        s += QStringLiteral(",00");
    s = TextField::trimmed(s);
    if (s == QLatin1String(","))
        return kZero;
    if (s.startsWith(QLatin1Char(',')))
        s.prepend(QLatin1Char('0'));
    if (s.endsWith(QLatin1Char(',')))
        s += QStringLiteral("00");
    if (s.size() >= 2 && s.at(s.size() - 2) == QLatin1Char(','))
        s += QLatin1Char('0');
    return s;
}
