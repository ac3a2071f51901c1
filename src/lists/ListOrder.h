#pragma once
// The order of every sorted list: the letters a-z compared without regard to
// case, every other character by its code. Locale collation is not used on
// purpose, so that the order is the same on every machine.

#include "lists/ListRow.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace ListOrder {
int compare(const QString &a, const QString &b);
inline bool less(const QString &a, const QString &b) { return compare(a, b) < 0; }
// Sorts in place, keeping equal rows in their original order.
void sort(QStringList &rows);
void sort(QVector<ListRow> &rows);
}
