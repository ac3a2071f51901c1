#pragma once
// Small contact archives for tests.

#include "records/ContactRecord.h"

#include <QVector>

// Contact n: every one of the 33 visible fields filled, told apart by n; no attachments.
ContactRecord makeContact(int n);
// The file bytes of these records, one after another.
QByteArray contactFile(const QVector<ContactRecord> &records);
// Writes them as the contact file of the program folder, replacing it.
void writeContactArchive(const QVector<ContactRecord> &records);
