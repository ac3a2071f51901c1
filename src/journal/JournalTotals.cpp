#include "journal/JournalTotals.h"

#include "records/PaymentRecord.h"
#include "records/TextField.h"

namespace {
using Units = DecimalAmount::Units;

// Each sum stays within this bound, so that their difference always fits.
constexpr Units kLimit = Units(10'000'000'000'000'000'000ULL) * Units(1'000'000'000'000'000'000ULL); // 10^37
constexpr int kMaxScale = 36;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// value * 10^by, or nothing when the result leaves the bound.
std::optional<Units> rescaled(Units value, int by)
{
    for (int i = 0; i < by; ++i) {
        if (value > kLimit / 10 || value < -kLimit / 10)
            return std::nullopt;
        value *= 10;
    }
    return value;
}

Units magnitude(Units v) { return v < 0 ? -v : v; }
}

std::optional<DecimalAmount> DecimalAmount::parse(const QString &text)
{
    const QString t = TextField::trimmed(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-')) {
        negative = t.at(i) == u'-';
        ++i;
    }
    DecimalAmount out;
    int digits = 0;
    bool comma = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c == u',' && !comma) {
            comma = true;
            continue;
        }
        if (!isDigit(c))
            return std::nullopt;
        if (out.units > (kLimit - 9) / 10)
            return std::nullopt;
        out.units = out.units * 10 + (c.unicode() - u'0');
        ++digits;
        if (comma && ++out.scale > kMaxScale)
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    if (negative)
        out.units = -out.units;
    return out;
}

QString DecimalAmount::generalText() const
{
    Units v = magnitude(units);
    int s = scale;
    // No trailing zeros after the separator.
    while (s > 0 && v % 10 == 0) {
        v /= 10;
        --s;
    }
    QString digits;
    do {
        digits.prepend(QChar(u'0' + int(v % 10)));
        v /= 10;
    } while (v != 0);
    if (s > 0) {
        if (digits.size() <= s)
            digits.prepend(QString(s - digits.size() + 1, QLatin1Char('0')));
        digits.insert(digits.size() - s, QLatin1Char(','));
    }
    if (units < 0)
        digits.prepend(QLatin1Char('-'));
    return digits;
}

JournalSide journalSide(const PaymentRecord &record)
{
    const QString type = TextField::trimmed(record.Tipologia);
    if (type == PaymentRecord::Incoming)
        return JournalSide::Income;
    if (type == PaymentRecord::Outgoing)
        return JournalSide::Expense;
    return JournalSide::None;
}

QString completeToTwoDecimals(const QString &text)
{
    QString t = TextField::trimmed(text);
    if (t.isEmpty())
        return QStringLiteral("0,00");
    if (!t.contains(u','))
        t += QStringLiteral(",00");
    if (t == QStringLiteral(","))
        t = QStringLiteral("0,00");
    if (t.startsWith(u','))
        t.prepend(QLatin1Char('0'));
    if (t.endsWith(u','))
        t += QStringLiteral("00");
    if (t.size() >= 2 && t.at(t.size() - 2) == u',' && isDigit(t.back()))
        t += QLatin1Char('0');
    return t;
}

bool JournalAccumulator::add(JournalSide side, const DecimalAmount &amount)
{
    if (side == JournalSide::None)
        return true;
    // Everything is kept at the finest scale met so far.
    const int scale = qMax(m_scale, amount.scale);
    const auto income = rescaled(m_income, scale - m_scale);
    const auto expense = rescaled(m_expense, scale - m_scale);
    const auto value = rescaled(amount.units, scale - amount.scale);
    if (!income || !expense || !value)
        return false;
    const Units sum = (side == JournalSide::Income ? *income : *expense) + *value;
    if (sum > kLimit || sum < -kLimit)
        return false;
    m_scale = scale;
    m_income = side == JournalSide::Income ? sum : *income;
    m_expense = side == JournalSide::Expense ? sum : *expense;
    return true;
}

JournalTotalsText JournalAccumulator::texts() const
{
    return {completeToTwoDecimals(income().generalText()), completeToTwoDecimals(expense().generalText()),
            completeToTwoDecimals(balance().generalText())};
}

JournalTotalsText journalTotals(const QVector<PaymentRecord> &records)
{
    JournalAccumulator sums;
    for (const PaymentRecord &record : records) {
        const JournalSide side = journalSide(record);
        if (side == JournalSide::None)
            continue;
        if (const auto amount = DecimalAmount::parse(record.Importo))
            sums.add(side, *amount);
    }
    return sums.texts();
}
