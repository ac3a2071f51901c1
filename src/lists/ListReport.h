#pragma once
// The list print "Riepilogo dati": a title, the rows in a fixed-pitch font,
// and the date of printing at the foot of every page.

#include "report/ReportLayout.h"

#include <QStringList>

namespace ListReport {
ReportLayout layout();
// The layout filled with a title and the rows, in list order.
ReportLayout filled(const QString &title, const QStringList &rows);
// Prepares it and hands it to the printer.
void print(QWidget *parent, const QString &title, const QStringList &rows);

// The same print under a layout name of its own, with closing lines after the
// rows in the same memo (a summary below a list).
ReportLayout filled(const QString &name, const QString &title, const QStringList &rows, const QStringList &closing);
void print(QWidget *parent, const QString &name, const QString &title, const QStringList &rows,
           const QStringList &closing);
}
