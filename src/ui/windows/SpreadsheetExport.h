#pragma once
// The export dialogue around the spreadsheet writer: ask, write beside the
// program, offer to open the file.

#include "export/OfficeHtmlWorkbook.h"

class QWidget;

namespace SpreadsheetExport {
// Returns true when the file was written completely.
bool run(QWidget *parent, const ExportLayout &layout, int rowCount, const OfficeHtmlWorkbook::CellText &cell);
}
