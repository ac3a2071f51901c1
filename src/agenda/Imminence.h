#pragma once
// Which payments the agenda warns about, and how it names and lists them.

#include "lists/ListRow.h"
#include "records/PaymentRecord.h"
#include "records/RecordArchive.h"

#include <QDate>
#include <QString>
#include <QVector>

// Due date minus the days of notice is not after today, and the payment is
// explicitly unsettled ("No"). A record whose date or notice cannot be read is
// never imminent. Decided on the record's stored bytes (as the archive hands
// them), reading the three fields the rule needs and decoding none.
bool IsImminent(const char *record, QDate today);

// yyyy mm dd hh mm joined, which sorts as text in date-and-time order.
QString DueDateKey(const PaymentRecord &record);

// The fixed-width row of the imminent list.
QString ImminentListRow(const PaymentRecord &record);

// One reading of the payment file for the agenda: the imminent rows in the
// list order, and how many records the file holds.
ArchiveRead<QVector<ListRow>> scanImminent(QDate today);
