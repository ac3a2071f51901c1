#pragma once
// One value of an INI text, read and replaced the way the classic INI-file
// calls do it: section and key names compare without regard to case, blanks
// around names and values do not count, a value may be quoted, lines starting
// with ";" are comments. Everything else in the text is kept byte for byte.
// Lines may end in CR LF, LF or a lone CR; a text that starts with a UTF-8 or
// UTF-16 byte-order mark is read through it and written back the same way.

#include <QByteArray>
#include <QString>

namespace IniText {
// The value of key in the first section of that name; an empty text when
// either is missing.
QString value(const QByteArray &content, const QString &section, const QString &key);
// The text with key set to value, added to the section (or the section added
// at the end) when missing. Every line keeps its own end; a new line gets the
// text's first kind, CR LF in a text without any.
QByteArray withValue(const QByteArray &content, const QString &section, const QString &key, const QString &value);
}
