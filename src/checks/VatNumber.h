#pragma once
// The Italian VAT number ("partita IVA"): 11 digits, the 11th a check digit,
// the 8th to 10th the code of the provincial office that issued it.

#include <QString>

namespace VatNumber {

// The check digit of the first ten characters, or -1 when number is shorter
// or one of them is not a digit 0 to 9.
int checkDigit(const QString &number);

// True for exactly 11 digits 0 to 9 whose last one is the check digit.
bool isValid(const QString &number);

// Characters 8 to 10 of number (the office code), as they stand.
QString officeCode(const QString &number);

// The issuing office of a three-digit code, or an empty text for a code the
// table does not hold.
QString officeName(const QString &code);

}
