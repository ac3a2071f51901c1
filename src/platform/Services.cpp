#include "platform/Services.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

QDate SystemClock::today() const { return QDate::currentDate(); }
QTime SystemClock::now() const { return QTime::currentTime(); }

namespace {
QString g_folderOverride;
SystemClock g_systemClock;
const Clock *g_clock = nullptr;

QString withSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
}

namespace Services {

QString programFolder()
{
    if (!g_folderOverride.isEmpty())
        return g_folderOverride;
    return withSeparator(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString &folder)
{
    g_folderOverride = folder.isEmpty() ? QString() : withSeparator(QDir::cleanPath(folder));
}

QString programFile(const QString &name) { return programFolder() + name; }

const Clock &clock() { return g_clock ? *g_clock : g_systemClock; }

void setClock(const Clock *clock) { g_clock = clock; }

}
