#pragma once
// The sample archives the manual's pictures show: a small firm's payments
// around a fixed day and the contacts they are made with.

#include <QDate>

namespace SampleArchive {
// The day the pictures are taken on: some payments fall due around it.
QDate today();
// Writes both record files into the program folder, replacing them.
void write();
// The record number of the payment and of the contact the editors show.
int shownPayment();
int shownContact();
}
