#pragma once
// What the payment grids show: which records, in which rows and order.

#include "export/GridTable.h"
#include "export/OfficeHtmlWorkbook.h"
#include "records/PaymentRecord.h"
#include "records/RecordArchive.h"

#include <QDate>
#include <QStringList>
#include <QVector>

enum class PaymentGrid { Imminenti, Giornaliere, Mensili, Scadenzario };

using GridRows = GridTable;

namespace PaymentGrids {
// Grid columns: 0 "N.", 1..13 the fields (Ottemperata before Note), 14 the key.
constexpr int KeyColumn = 14;
int columnCount(PaymentGrid grid);
QStringList headers(PaymentGrid grid);
QVector<int> editableColumns(PaymentGrid grid);

// Whether a grid shows a payment, decided on the record's stored bytes (as the
// archive hands them): the imminent ones (IsImminent), those due on the
// calendar's day or in its month, or all. The day and month rules compare
// texts only: a malformed date is simply not selected.
bool selected(PaymentGrid grid, const char *record, QDate today, QDate calendarDay);
// Adds the grid row of a stored record: its number, the fields trimmed (the
// columns of headers()) and, withKey, the due-date key.
void appendRow(GridRows &rows, const char *record, int number, bool withKey);

// The rows of the payment file a grid shows. A file that holds no record
// (records 0) leaves the grid its empty design rows.
ArchiveRead<GridRows> load(PaymentGrid grid, QDate today, QDate calendarDay);
}

namespace PaymentGrids {
// What the day and month summaries say they show: "Scadenze del giorno
// dd/mm/yyyy", "Scadenze del mese di <mese> yyyy".
QString dayTitle(QDate day);
QString monthTitle(QDate day);
}

namespace ExportLayouts {
// The payment exports: grid columns 1..14 (1..13 for the whole archive), the
// same headers as the grid.
ExportLayout imminenti();
ExportLayout giornaliere();
ExportLayout mensili();
ExportLayout scadenzario();
}

// Moves whole rows so that the key column is in ascending order, compared
// without regard to case.
void SortGridByKey(GridRows &rows, int keyColumn);
