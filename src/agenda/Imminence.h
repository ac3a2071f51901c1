#pragma once
// Which payments the agenda warns about, and how it names and lists them.

#include "records/PaymentRecord.h"

#include <QDate>
#include <QString>

// Due date minus the days of notice is not after today, and the payment is
// explicitly unsettled ("No"). A record whose date or notice cannot be read is
// never imminent.
bool IsImminent(const PaymentRecord &record, QDate today);

// yyyy mm dd hh mm joined, which sorts as text in date-and-time order.
QString DueDateKey(const PaymentRecord &record);

// The fixed-width row of the imminent list.
QString ImminentListRow(const PaymentRecord &record);
