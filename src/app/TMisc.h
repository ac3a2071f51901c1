#pragma once
// Hands a file, a web address or a "mailto:" address to the desktop.

#include <QString>
#include <QUrl>

namespace TMisc {
// What the desktop is asked to open for a text: surrounding double quotes are
// removed; "mailto:" gives a mail link whose address cannot carry parameters of
// its own, a web address a web link, anything else a local file.
QUrl UrlFor(const QString &text);
// Opens it; the result is ignored, as a failed open needs no message here.
void Open(const QString &text);
}
