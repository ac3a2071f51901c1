#pragma once
// The journal's totals: the incoming and the outgoing payments summed and their
// balance, all exact in decimal, so that 100,00 - 99,99 is 0,01 and never a
// binary rounding remainder.

#include <QString>
#include <QVector>

#include <optional>

struct PaymentRecord;

// An amount read exactly: units of 10^-scale ("12,345" is 12345 at scale 3).
struct DecimalAmount {
    using Units = __int128;
    Units units = 0;
    int scale = 0;

    // Digits with an optional "," and decimals, an optional leading "+" or "-",
    // blanks around allowed; at least one digit. Anything else is not a number.
    static std::optional<DecimalAmount> parse(const QString &text);
    // "," as separator, no thousands separator, no trailing zeros, every digit
    // (never an exponent): 1250, 1250,5, -50,25, 0,01.
    QString generalText() const;
};

// Which total a payment counts in: its type, trimmed, compared exactly.
enum class JournalSide { None, Income, Expense };
JournalSide journalSide(const PaymentRecord &record);

// The texts of the three amount labels, completed to two decimals; the window
// appends " €".
struct JournalTotalsText {
    QString income, expense, balance;
};

// The label completion: ",00" when there is no ",", a "0" before a leading ","
// and after a lone decimal; more decimals stay as they are (12,345).
QString completeToTwoDecimals(const QString &text);

// The running sums of a scan, one payment at a time.
class JournalAccumulator {
public:
    // Adds amount to its side's sum. False, with nothing added, when the sums
    // would grow past what is kept exactly (far beyond any real archive).
    bool add(JournalSide side, const DecimalAmount &amount);
    DecimalAmount income() const { return {m_income, m_scale}; }
    DecimalAmount expense() const { return {m_expense, m_scale}; }
    DecimalAmount balance() const { return {m_income - m_expense, m_scale}; }
    JournalTotalsText texts() const;

private:
    DecimalAmount::Units m_income = 0;
    DecimalAmount::Units m_expense = 0;
    int m_scale = 0;
};

// The totals of these payments. A payment of neither type counts in neither
// total; one whose amount is not a number is left out.
JournalTotalsText journalTotals(const QVector<PaymentRecord> &records);
