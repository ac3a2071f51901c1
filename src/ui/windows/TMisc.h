#pragma once
// Hands a file, a web address or a "mailto:" address to the desktop.

#include <QString>
#include <QUrl>

namespace TMisc {
// What the desktop is asked to open for a text: surrounding double quotes are
// removed; "mailto:" gives a mail link whose address cannot carry parameters of
// its own, a web address a web link, anything else a local file. An empty URL
// when there is nothing to open.
QUrl UrlFor(const QString &text);
// Opens it; the result is ignored, as a failed open needs no message here. A
// local file that does not exist is not handed on: nothing happens, as when
// nothing can open the text.
void Open(const QString &text);
// A new message to address with a subject and a body; the address is encoded
// like any other, the subject and body become the link's parameters.
QUrl MailUrl(const QString &address, const QString &subject, const QString &body);
void OpenMail(const QString &address, const QString &subject, const QString &body);
}
