#pragma once
// The access password as the password file keeps it: one byte a character,
// scrambled with a running 16-bit key and written as upper-case hex digits.

#include <QString>

#include <stdexcept>

// A stored value holds a pair of digits that is not a hexadecimal number.
class PasswordConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Two upper-case hex digits per character (its low 8 bits).
QString ScramblePassword(const QString &password);
// Undoes ScramblePassword; a last unpaired digit is ignored. Throws
// PasswordConversionError on a pair that is not hexadecimal.
QString UnscramblePassword(const QString &hex);

namespace PasswordText {
// What is compared: the letters a-z turned to A-Z (nothing else changes), trimmed.
QString comparable(const QString &typed);
// Whether the stored form holds it unchanged: at most 255 characters, each
// with a code below 256. Anything else would never match itself once stored.
bool fitsStoredForm(const QString &password);
constexpr int MaxLength = 255;
}
