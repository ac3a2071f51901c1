#pragma once
// The texts and the record numbers of list rows, for comparing whole lists.

#include "lists/ListRow.h"

#include <QList>
#include <QStringList>
#include <QVector>

QStringList rowTexts(const QVector<ListRow> &rows);
QList<int> rowNumbers(const QVector<ListRow> &rows);
