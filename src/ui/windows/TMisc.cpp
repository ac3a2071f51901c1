#include "ui/windows/TMisc.h"

#include "platform/GuiServices.h"
#include "records/TextField.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {
const QLatin1String MailScheme("mailto:");

const QString kNoMailProgram =
    QStringLiteral("Attenzione: non è stato possibile avviare il programma di posta elettronica.\n\r\n\r"
                   "Verificare che sul computer sia installato e configurato un programma di posta.");
const QString kNoFileProgram =
    QStringLiteral("Attenzione: non è stato possibile aprire il file \"%1\".\n\r\n\r"
                   "Sul computer non risulta installato un programma adatto a questo tipo di file.");
const QString kNoBrowser = QStringLiteral("Attenzione: non è stato possibile aprire l'indirizzo \"%1\".\n\r\n\r"
                                          "Verificare che sul computer sia installato un browser.");

// Everything typed is address: "?", "&", "#" and "%" are encoded so that no
// subject, body, attachment or other parameter can be slipped into the link.
QByteArray encodedAddress(const QString &address)
{
    return QUrl::toPercentEncoding(TextField::trimmed(address), "@.-_+!$'*,;=~:");
}

QString unquoted(const QString &text)
{
    QString t = TextField::trimmed(text);
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"')))
        t = TextField::trimmed(t.mid(1, t.size() - 2));
    return t;
}

// The desktop took nothing: the user is told rather than left waiting for a
// window that never comes.
void handOver(const QUrl &url)
{
    if (Services::shell().open(url))
        return;
    QString what;
    if (url.scheme() == QLatin1String("mailto"))
        what = kNoMailProgram;
    else if (url.isLocalFile())
        what = kNoFileProgram.arg(QFileInfo(url.toLocalFile()).fileName());
    else
        what = kNoBrowser.arg(url.toString());
    Services::warning(nullptr, what);
}

bool hasWebScheme(const QString &t)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+://"));
    return scheme.match(t).hasMatch();
}
}

namespace TMisc {

QUrl UrlFor(const QString &text)
{
    const QString t = unquoted(text);
    if (t.isEmpty())
        return {};
    if (t.startsWith(MailScheme, Qt::CaseInsensitive))
        return QUrl::fromEncoded("mailto:" + encodedAddress(t.mid(MailScheme.size())), QUrl::StrictMode);
    if (hasWebScheme(t))
        return QUrl(t, QUrl::TolerantMode);
    if (t.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + t, QUrl::TolerantMode);
    return QUrl::fromLocalFile(t);
}

void Open(const QString &text)
{
    const QUrl url = UrlFor(text);
    if (!url.isValid() || url.isEmpty())
        return;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return;
    handOver(url);
}

QUrl MailUrl(const QString &address, const QString &subject, const QString &body)
{
    // Fully encoded, so that an "&" or "=" inside the texts stays part of them.
    return QUrl::fromEncoded("mailto:" + encodedAddress(address) + "?subject=" + QUrl::toPercentEncoding(subject)
                                 + "&body=" + QUrl::toPercentEncoding(body),
                             QUrl::StrictMode);
}

void OpenMail(const QString &address, const QString &subject, const QString &body)
{
    const QUrl url = MailUrl(address, subject, body);
    if (url.isValid())
        handOver(url);
}

}
