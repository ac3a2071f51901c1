#pragma once
// The contacts registry as a grid and as a spreadsheet: its columns, what a
// record shows in them, and what the export writes.

#include "export/GridTable.h"
#include "export/OfficeHtmlWorkbook.h"
#include "records/ContactRecord.h"
#include "records/RecordArchive.h"

#include <QStringList>
#include <QVector>

namespace ContactGrid {
// Grid columns: 0 "N.", the record number, then 25 columns of fields.
constexpr int ColumnCount = 26;
QStringList headers();
// The on-screen width of each column.
QVector<int> widths();
// The columns whose cells the user may change before exporting.
QVector<int> editableColumns();

// The grid row of record `number`: each field trimmed, the postcode and the
// province joined, the street followed by one blank and the house number.
QStringList row(const ContactRecord &record, int number);

// The rows of every record in file order. A file that holds no record
// (records 0) leaves the grid its empty design rows.
ArchiveRead<GridTable> load();
}

namespace ExportLayouts {
// "Anagrafica.xls": grid columns 1..25 with the export's own headers.
ExportLayout anagrafica();
}
