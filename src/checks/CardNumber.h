#pragma once
// Payment card numbers: the Luhn (mod 10) check and the kind of card told by
// the leading digits.

#include <QString>

namespace CardNumber {

// The digits 0 to 9 of text, in order; every other character is skipped.
QString digitsOf(const QString &text);

// True when digits (a text of digits only, not empty) passes the Luhn check.
bool passesLuhn(const QString &digits);

// 0 when the digits of text fail the Luhn check or there are none; otherwise
// the first digit minus 2: 1 to 4 for numbers beginning with 3 to 6, and 0,
// -2, -1, 5, 6 or 7 for those beginning with 2, 0, 1, 7, 8 or 9.
int check(const QString &text);

// The kind of card for a code 1 to 4 from check(); for code 1 the first two
// characters of the trimmed text decide. An empty text when no kind fits.
QString kindName(int code, const QString &trimmedText);

}
