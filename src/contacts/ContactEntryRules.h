#pragma once
// What the contact card's boxes decide without a window: whether a code is
// made of digits only, and which check a fiscal code goes to.

#include <QString>

// True when every character is one of 0 to 9; true for an empty text.
bool IsAllDigits(const QString &text);

namespace ContactEntry {

enum class CodeCheck { FiscalCode, VatNumber };

// A company's fiscal code is its VAT number: a non-empty code of digits only
// goes to the VAT number check, anything else (an empty code too) to the
// fiscal code check. code is the trimmed text of the box.
CodeCheck checkForFiscalCode(const QString &code);

}
