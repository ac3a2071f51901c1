#pragma once
// Dates as dd/mm/yyyy and "," as the decimal separator, for the whole process.

namespace ProcessSettings {
void apply();
}
