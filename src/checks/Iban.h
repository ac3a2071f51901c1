#pragma once
// The remainder-97 test of an IBAN (ISO 13616, ISO 7064 MOD 97-10).

#include <QString>

namespace Iban {

// Upper-cases text, drops the first "IBAN" in it, moves the first four
// characters to the end, turns letters into 10 to 35 and returns the
// remainder of that number divided by 97. A character that is neither a
// letter A-Z nor a digit after that, or an empty text, gives 0.
int remainder(const QString &text);

// Removes every blank, then true when the remainder is exactly 1.
bool isValid(const QString &text);

}
