#pragma once
#include "records/PaymentRecord.h"

// The fixed-width row of the payment lists: contact, mobile, date, time, cause,
// type and amount, lined up for a fixed-pitch font.
QString PaymentListRow(const PaymentRecord &record);
// The same row straight from a record's bytes, decoding only the fields it
// shows: a status list keeps most of the archive.
QString PaymentListRow(const char *bytes);
