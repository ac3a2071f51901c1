#pragma once
// Which payments the agenda warns about, and how it names and lists them.

#include "lists/ListRow.h"
#include "records/PaymentRecord.h"

#include <QDate>
#include <QString>
#include <QVector>

#include <string_view>

// Due date minus the days of notice is not after today, and the payment is
// explicitly unsettled ("No"). A record whose date or notice cannot be read is
// never imminent.
bool IsImminent(const PaymentRecord &record, QDate today);
// The same rule on the three fields it reads, for scans that decode no more:
// as texts, or as the fields' stored bytes (trimmed, not converted).
bool IsImminent(const QString &data, const QString &avviso, const QString &ottemperata, QDate today);
bool IsImminent(std::string_view data, std::string_view avviso, std::string_view ottemperata, QDate today);

// yyyy mm dd hh mm joined, which sorts as text in date-and-time order.
QString DueDateKey(const PaymentRecord &record);

// The fixed-width row of the imminent list.
QString ImminentListRow(const PaymentRecord &record);

// One reading of the payment file for the agenda: the imminent rows in the
// list order, and how many records the file holds.
struct ImminentScan {
    QVector<ListRow> rows;
    qint64 records = 0;
    // False when a read failed midway: the rows read before it are kept.
    bool complete = true;
    // The imminent payments themselves, in the order of rows; filled only
    // when asked for, by readers that show more than the row.
    QVector<PaymentRecord> payments;
};
// Throws ArchiveError when the file cannot be opened (or created).
ImminentScan scanImminent(QDate today, bool keepPayments = false);
