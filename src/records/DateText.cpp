#include "records/DateText.h"

#include "records/TextField.h"

namespace DateText {

QString format(QDate date) { return date.toString(QStringLiteral("dd/MM/yyyy")); }

std::optional<QDate> parse(const QString &text)
{
    const QString t = TextField::trimmed(text);
    const auto parts = t.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return std::nullopt;
    auto number = [](const QString &p, int minLen, int maxLen, int &out) {
        if (p.size() < minLen || p.size() > maxLen)
            return false;
        for (QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        out = p.toInt();
        return true;
    };
    int d = 0, m = 0, y = 0;
    if (!number(parts[0], 1, 2, d) || !number(parts[1], 1, 2, m) || !number(parts[2], 4, 4, y))
        return std::nullopt;
    const QDate date(y, m, d);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> parse(std::string_view t)
{
    // d/m/yyyy with one or two digits for day and month and four for the year.
    int values[3] = {0, 0, 0};
    int part = 0, digits = 0;
    for (const char c : t) {
        if (c == '/') {
            if (part == 2 || digits < 1 || digits > 2)
                return std::nullopt;
            ++part;
            digits = 0;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        values[part] = values[part] * 10 + (c - '0');
        if (++digits > 4)
            return std::nullopt;
    }
    if (part != 2 || digits != 4)
        return std::nullopt;
    const QDate date(values[2], values[1], values[0]);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

}
