#pragma once
#include "records/PaymentRecord.h"

// The fixed-width row of the payment lists: contact, mobile, date, time, cause,
// type and amount, lined up for a fixed-pitch font.
QString PaymentListRow(const PaymentRecord &record);
