#include "app/TMisc.h"

#include "platform/GuiServices.h"

namespace TMisc {

QUrl UrlFor(const QString &text)
{
    QString t = text.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"')))
        t = t.mid(1, t.size() - 2);
    if (t.isEmpty())
        return {};
    if (t.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) {
        // Everything typed is address: "?" and "&" are encoded so that no
        // subject, body or attachment can be slipped into the link.
        const QByteArray address = QUrl::toPercentEncoding(t.mid(7), "@.-_+!$'*,;=~:");
        return QUrl::fromEncoded("mailto:" + address, QUrl::StrictMode);
    }
    if (t.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || t.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return QUrl(t, QUrl::TolerantMode);
    if (t.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + t, QUrl::TolerantMode);
    return QUrl::fromLocalFile(t);
}

void Open(const QString &text)
{
    const QUrl url = UrlFor(text);
    if (url.isValid() && !url.isEmpty())
        Services::shell().open(url);
}

}
