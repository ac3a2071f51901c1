#include "app/StaleFiles.h"

#include "contacts/Attachments.h"
#include "platform/SafeFile.h"
#include "platform/Services.h"
#include "records/DailyBackup.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace StaleFiles {

int removeFrom(const QString &folder, const std::function<bool(const QString &)> &isOurs, const QDateTime &now)
{
    const qint64 newest = now.toSecsSinceEpoch() - AgeSeconds;
    const QDir dir(folder);
    int removed = 0;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isOurs(name))
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat st;
        // Never through a link: only the file itself, and only a plain one.
        if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_mtime > newest)
            continue;
        if (::unlink(path.constData()) == 0)
            ++removed;
    }
    return removed;
}

int removeAtStartUp()
{
    const Clock &clock = Services::clock();
    const QDateTime now(clock.today(), clock.now());
    return removeFrom(Services::programFolder(), SafeFile::isTemporaryName, now)
           + removeFrom(DailyBackup::folder(), SafeFile::isTemporaryName, now)
           + removeFrom(Attachments::folder(), Attachments::isTemporaryName, now);
}

}
