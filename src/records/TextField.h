#pragma once
// Text as it is held in the record files: Windows-1252, one byte a character,
// trimmed of leading and trailing characters with codes up to 32.

#include <QByteArray>
#include <QString>

#include <string_view>

namespace TextField {

// Removes leading and trailing characters with codes up to 32 (blanks and
// control characters) and nothing else.
QString trimmed(const QString &text);
// The same, as a view into text: for rows built piece by piece.
QStringView trimmedView(QStringView text);

// Windows-1252 bytes; a character the code page cannot hold becomes "?".
QByteArray toWin1252(const QString &text);
// One character's byte; "?" for one the code page cannot hold.
char win1252Byte(char16_t c);
// True when the code page holds the character c exactly.
bool holds(char32_t c);
// Each letter the code page cannot hold becomes its base Latin letter where it
// has one: the letter without its accents (Ș to S, ő to o, ă to a), or from a
// short table for letters that carry no separate accent (ł to l, đ to d). What
// has none stays as it is, for the caller to mark ("?" in a record, "_" in a
// file name); everything the code page holds stays too (ß, ø, æ).
QString foldToWin1252(const QString &text);
QString fromWin1252(const char *bytes, int length);
inline QString fromWin1252(const QByteArray &bytes) { return fromWin1252(bytes.constData(), int(bytes.size())); }

// Fixed width: trims, pads with blanks to width and cuts to width.
QString fixedWidth(const QString &text, int width);

// A counted field of the given capacity at offset: one length byte, then the bytes.
// A length byte above the capacity is read as the capacity.
QString read(const char *record, int offset, int capacity);
// The same field's bytes as stored, trimmed of codes up to 32, unconverted.
std::string_view bytes(const char *record, int offset, int capacity);
// Trims, converts, cuts to the capacity; the bytes after the text are zeroed.
void write(char *record, int offset, int capacity, const QString &text);

}
