#include "Controls.h"

#include <QTest>

namespace Controls {

QWidget *find(const QWidget *window, const char *name, const QMetaObject &type, QString *why)
{
    const QString wanted = QString::fromLatin1(name);
    const QString where =
        window ? window->objectName() + QLatin1Char(' ') + QLatin1String(window->metaObject()->className())
               : QStringLiteral("(no window)");
    if (!window) {
        *why = QStringLiteral("no window to look for %1 in").arg(wanted);
        return nullptr;
    }
    QList<QWidget *> named;
    for (QWidget *w : window->findChildren<QWidget *>(wanted))
        if (w->window() == window->window())
            named << w;
    if (named.isEmpty()) {
        *why = QStringLiteral("%1 has no control named %2").arg(where, wanted);
        return nullptr;
    }
    if (named.size() > 1) {
        *why = QStringLiteral("%1 has %2 controls named %3").arg(where).arg(named.size()).arg(wanted);
        return nullptr;
    }
    if (!named[0]->metaObject()->inherits(&type)) {
        *why = QStringLiteral("%1 of %2 is a %3, not a %4")
                   .arg(wanted, where, QLatin1String(named[0]->metaObject()->className()),
                        QLatin1String(type.className()));
        return nullptr;
    }
    return named[0];
}

void fail(const QString &why, const std::source_location &where)
{
    QTest::qFail(qPrintable(why), where.file_name(), int(where.line()));
    throw MissingControl(why.toStdString());
}

}
