#include "journal/JournalSelection.h"

#include "journal/JournalRow.h"
#include "records/DateText.h"
#include "records/RecordArchive.h"
#include "records/TextField.h"

namespace JournalSelection {

QString lowerAZ(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return out;
}

bool hasCause(const QString &cause) { return !TextField::trimmed(cause).isEmpty(); }

bool matchesCause(const QString &cause, const QString &causale) { return lowerAZ(causale).contains(lowerAZ(cause)); }

bool inInterval(QDate date, QDate start, QDate end) { return !(start > date) && !(end < date); }

Decision decide(const Interval &interval, const PaymentRecord &record)
{
    Decision d;
    if (interval.causeFlag && !matchesCause(interval.cause, record.Causale))
        return d;
    const auto due = DateText::parse(record.Data);
    if (!due) {
        d.verdict = Verdict::Unreadable;
        return d;
    }
    if (!inInterval(*due, interval.start, interval.end))
        return d;
    // Only the amount of a payment of one of the two types is ever read.
    d.side = journalSide(record);
    if (d.side != JournalSide::None) {
        const auto amount = DecimalAmount::parse(record.Importo);
        if (!amount) {
            d.verdict = Verdict::Unreadable;
            d.side = JournalSide::None;
            return d;
        }
        d.amount = *amount;
    }
    d.verdict = Verdict::Listed;
    return d;
}

Scan scan(const Query &query)
{
    const auto start = DateText::parse(query.start);
    const auto end = DateText::parse(query.end);
    if (!start || !end) {
        Scan none;
        none.outcome = ReadOutcome::NotOpened;
        return none;
    }
    const Interval interval {hasCause(query.cause), query.cause, *start, *end};
    JournalAccumulator sums;
    int unreadable = 0;
    auto read = PaymentArchive::read(QVector<ListRow>(), [&](QVector<ListRow> &rows, const char *bytes, int number) {
        const PaymentRecord record = PaymentRecord::decode(bytes);
        Decision d = decide(interval, record);
        if (d.verdict == Verdict::Listed && !sums.add(d.side, d.amount))
            d.verdict = Verdict::Unreadable;
        if (d.verdict == Verdict::Listed)
            rows.append({JournalRow(record), number});
        else if (d.verdict == Verdict::Unreadable)
            ++unreadable;
    });
    // No totals for a journal that may be incomplete.
    const JournalTotalsText totals = read.complete() ? sums.texts() : JournalTotalsText {};
    return {std::move(read), totals, unreadable};
}

}
