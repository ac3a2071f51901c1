#pragma once
#include <QDate>
#include <QString>

// Writes a payment archive of n records: a realistic mix where about half is
// settled and about 5% falls within its notice period of today.
void writeBenchArchive(const QString &path, int n, QDate today);
// The same mix, every payment due within one calendar year: a whole year's journal.
void writeBenchYear(const QString &path, int n, int year);
