#pragma once
// What the payment grids show: which records, in which rows and order.

#include "export/GridTable.h"
#include "export/OfficeHtmlWorkbook.h"
#include "records/PaymentRecord.h"

#include <QDate>
#include <QStringList>
#include <QVector>

#include <optional>

enum class PaymentGrid { Imminenti, Giornaliere, Mensili, Scadenzario };

using GridRows = GridTable;

namespace PaymentGrids {
// Grid columns: 0 "N.", 1..13 the fields (Ottemperata before Note), 14 the key.
constexpr int KeyColumn = 14;
int columnCount(PaymentGrid grid);
QStringList headers(PaymentGrid grid);
QVector<int> editableColumns(PaymentGrid grid);

QStringList row(const PaymentRecord &record, const QString &number, bool withKey);
// The day and month rules compare texts only: a malformed date is simply not selected.
bool sameDay(const PaymentRecord &record, QDate day);
bool sameDay(const QString &data, QDate day);
bool sameMonth(const PaymentRecord &record, QDate day);
bool sameMonth(const QString &data, QDate day);
bool selected(PaymentGrid grid, const PaymentRecord &record, QDate today, QDate calendarDay);

// Reads the payment file. No value when the file holds no record (the grid keeps
// its empty design rows). Throws ArchiveError when it cannot be read.
std::optional<GridRows> load(PaymentGrid grid, QDate today, QDate calendarDay);
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
