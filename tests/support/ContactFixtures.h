#pragma once
// Small contact archives for tests.

#include "records/ContactRecord.h"

#include <QVector>

// A contact with the fields the lists, the import and the grid show filled in.
ContactRecord makeContact(const QString &name, const QString &town = QStringLiteral("Bologna"),
                          const QString &birth = QStringLiteral("12/04/1975"));
// Contact n: every one of the 33 visible fields filled, told apart by n; no attachments.
ContactRecord makeContact(int n);
// Every one of the 39 fields filled with a text of its own, for the grid.
ContactRecord fullContact(int seed);
// The file bytes of these records, one after another.
QByteArray contactFile(const QVector<ContactRecord> &records);
// Writes them as the contact file of the program folder, replacing it.
void writeContactArchive(const QVector<ContactRecord> &records);
void writeContactBytes(const QByteArray &bytes);
