#pragma once
// Which payments the journal lists: those whose cause contains the text asked
// for (when there is one) and whose due date lies in the interval, both ends
// included, in file order.

#include "journal/JournalTotals.h"
#include "lists/ListRow.h"
#include "records/RecordArchive.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace JournalSelection {

// The letters A to Z lower-cased, every other character as it is.
QString lowerAZ(const QString &text);
// The cause flag: a cause counts only when it is more than blanks.
bool hasCause(const QString &cause);
// cause, as typed (not trimmed), occurs in causale, both lowered by lowerAZ.
bool matchesCause(const QString &cause, const QString &causale);
bool inInterval(QDate date, QDate start, QDate end);

// What the journal asks for: the cause as typed and the interval as
// "dd/mm/yyyy" texts.
struct Query {
    QString cause;
    QString start, end;
};

// What becomes of one record.
enum class Verdict {
    Excluded,   // another cause, or a due date outside the interval
    Listed,     // in the journal; its amount counts in `side`'s total
    Unreadable, // its cause fits, but its date or its amount cannot be read
};
struct Decision {
    Verdict verdict = Verdict::Excluded;
    JournalSide side = JournalSide::None;
    DecimalAmount amount;
};

// The interval read once, for deciding record after record.
struct Interval {
    bool causeFlag = false;
    QString cause;
    QDate start, end;
};
// The cause test comes first: a record of another cause is never read further.
Decision decide(const Interval &interval, const PaymentRecord &record);

// The rows in file order, with their 1-based record numbers. An interval
// that cannot be read opens no file (NotOpened).
struct Scan : ArchiveRead<QVector<ListRow>> {
    JournalTotalsText totals; // what the labels show when the file was read
    int unreadable = 0;       // records left out because they cannot be read
};
// Reads the payment file, creating it empty when absent.
Scan scan(const Query &query);

}
