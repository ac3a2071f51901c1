#pragma once
// The check character of an Italian personal fiscal code (16 characters).

#include <QChar>
#include <QString>

namespace FiscalCode {

// Value of a character at an odd (1st, 3rd, ... 15th) or even position in the
// check-character sum; -1 for a character outside "0" to "Z".
int oddValue(QChar c);
int evenValue(QChar c);

// The check character computed from the first 15 characters of code, or a
// null QChar when code is shorter or one of them lies outside "0" to "Z".
QChar checkCharacter(const QString &code);

// True when code, taken in upper case, has 16 characters and its last one
// equals the check character of the first 15.
bool isValid(const QString &code);

}
