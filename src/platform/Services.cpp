#include "platform/Services.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <limits>
#include <sys/statvfs.h>

QDate SystemClock::today() const { return QDate::currentDate(); }
QTime SystemClock::now() const { return QTime::currentTime(); }

namespace {
QString g_folderOverride;
SystemClock g_systemClock;
const Clock *g_clock = nullptr;
std::function<qint64(const QString &)> g_freeSpace;

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

qint64 freeSpace(const QString &folder)
{
    if (g_freeSpace)
        return g_freeSpace(folder);
    struct statvfs fs;
    if (::statvfs(QFile::encodeName(folder).constData(), &fs) != 0)
        return -1;
    const unsigned long long bytes = static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize;
    return bytes > static_cast<unsigned long long>(std::numeric_limits<qint64>::max())
               ? std::numeric_limits<qint64>::max()
               : qint64(bytes);
}

void setFreeSpace(std::function<qint64(const QString &)> measure) { g_freeSpace = std::move(measure); }

}
