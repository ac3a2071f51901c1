#pragma once
// The password file beside the program: an INI text (despite its name) with
// the scrambled password as the value of Valore in section Accesso.

#include <QString>

#include <stdexcept>

// The file exists but cannot be read, or cannot be replaced.
class PasswordFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace PasswordFile {
inline constexpr char FileName[] = "unins000.dll";
// A password file is a few dozen bytes; anything above this is not one.
inline constexpr qint64 MaxSize = 64 * 1024;
QString path();
// The stored (scrambled) value; empty when the file, the section or the key
// is missing. Throws PasswordFileError when the file is there but unreadable:
// not a regular file, larger than MaxSize, or not readable.
QString readValue();
// Replaces the value, keeping the rest of the file. The file is replaced in
// one step after every write was checked and the new file read back, so a
// failure leaves the old one byte for byte. Throws PasswordFileError.
void writeValue(const QString &value);
// The password in force: the value unscrambled and trimmed. Throws
// PasswordFileError or PasswordConversionError.
QString storedPassword();
// Stores password (already in its comparable form): scrambled, trimmed, written.
void storePassword(const QString &password);
}
