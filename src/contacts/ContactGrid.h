#pragma once
// The contacts registry as a spreadsheet: what its export writes.

#include "export/OfficeHtmlWorkbook.h"

namespace ExportLayouts {
// "Anagrafica.xls": grid columns 1..25 with the export's own headers.
ExportLayout anagrafica();
}
