#pragma once
// The one-page cards ("schede"): a title band, framed rows of a label and a
// value, a column line between them and a footer band with the date and time
// of printing. The payment and the contact card differ only in title, rows
// and where the footer lies.

#include "report/ReportLayout.h"
#include "report/ReportRenderer.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QTime>

namespace CardReport {

// Geometry in millimetres from the top-left corner of the printable area.
constexpr qreal Left = 1;
constexpr qreal Width = 188;
constexpr qreal BandHeight = 5.8;
constexpr qreal FirstRowTop = 7;
constexpr qreal RowPitch = 5;
constexpr qreal RowHeight = 4.6;
constexpr qreal ColumnLine = 42;
constexpr qreal LabelLeft = 2;
constexpr qreal LabelWidth = 37.8;
constexpr qreal ValueLeft = 44;
constexpr qreal ValueWidth = 144;
// Labels and values stand this far below their row's top.
constexpr qreal TextInset = 0.5;

// The card on A4 portrait with 10 mm margins: the title box `titArcataSup`,
// one row per label with its value box named after boxes, the footer box
// `txtCalce` on the band at footerTop.
ReportLayout layout(const QString &name, const QString &title, const QStringList &labels, const QStringList &boxes,
                    qreal footerTop);

// The warning of the card print windows when the card could not be printed.
QString printFailedWarning();

// "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss".
QString footerText(QDate date, QTime time);

// Sets the page to portrait, fills the value boxes in the given order, then the
// footer with date and time, and lays the card out. Throws ReportError when a
// box is missing.
PreparedReport prepare(ReportLayout layout, const QList<QPair<QString, QString>> &values, QDate date, QTime time);

}
