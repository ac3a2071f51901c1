#include "ui/entry/RecordEditing.h"

#include "records/ArchiveMessages.h"
#include "records/DailyBackup.h"

#include <QFileInfo>
#include <QSet>

namespace RecordEditing {

bool guarded(QWidget *window, const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const ArchiveError &e) {
        if (e.isBusy())
            Services::warning(window, ArchiveMessages::inUse());
        else
            Services::error(window, ArchiveMessages::accessError());
    } catch (...) {
        Services::error(window, ArchiveMessages::accessError());
    }
    return false;
}

namespace {
QSet<QString> g_warned;
QSet<QString> g_futureLookedFor;
}

bool backUpBeforeSave(const QString &path)
{
    try {
        DailyBackup::beforeSave(path);
        g_warned.remove(path);
        return true;
    } catch (const DailyBackupError &) {
        return false;
    }
}

void warnNoBackup(QWidget *window, const QString &path)
{
    if (g_warned.contains(path))
        return;
    g_warned.insert(path);
    Services::warning(window, DailyBackup::failureWarning());
}

void warnFutureCopies(QWidget *window, const QString &path)
{
    if (g_futureLookedFor.contains(path))
        return;
    g_futureLookedFor.insert(path);
    const QStringList copies = DailyBackup::futureCopies(path);
    if (!copies.isEmpty())
        Services::warning(window, DailyBackup::futureCopiesWarning(QFileInfo(path).fileName(), copies));
}

}
