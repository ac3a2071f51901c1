#pragma once
#include "records/PaymentRecord.h"

// The fixed-width row of the journal: type and date, time, cause, contact,
// mobile, settled and amount, lined up for a fixed-pitch font. The amount starts
// at column 148; a payment of neither type gets an empty row.
QString JournalRow(const PaymentRecord &record);
