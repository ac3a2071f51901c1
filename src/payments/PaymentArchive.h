#pragma once
// The payment editor's file work: which record a browsing command shows, and
// writing a card over its record or at the end of the file.

#include "records/PaymentRecord.h"

#include <QString>

namespace PaymentArchive {

enum class Step { First, Previous, Next, Last };

// The record (1-based) that a browsing command shows when the card holds record
// `current` (0 for a card not yet saved) and the archive has count > 0 records;
// 0 when the command shows nothing.
int browseTarget(Step step, int current, int count);

// The number shown in the position label: 0 when empty. Throws
// std::invalid_argument when it is not a record number.
int recordNumber(const QString &label);

// Opens the payment file, writes the record over record `number`, or appends it
// when number is 0, and closes the file. Returns the record's number. An append
// finds the end and writes under an exclusive lock, so two copies of the program
// saving at once never share a record; every write is one flushed write of the
// whole record. Throws RecordFileError.
int save(const PaymentRecord &record, int number);

}
