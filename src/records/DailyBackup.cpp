#include "records/DailyBackup.h"

#include "platform/SafeFile.h"
#include "platform/Services.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor however the copy ends.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

[[noreturn]] void fail(const QString &what, const QString &path, int error)
{
    throw DailyBackupError((what + QStringLiteral(" ") + path + QStringLiteral(": ")
                            + QString::fromLocal8Bit(std::strerror(error))).toStdString());
}

void ensureFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat parent;
    // A program folder marked read-only gets no new folder, even from an administrator.
    if (!QFileInfo::exists(path)
        && ::stat(QFile::encodeName(QFileInfo(QDir::cleanPath(path)).absolutePath()).constData(), &parent) == 0
        && (parent.st_mode & 0222) == 0)
        fail(QStringLiteral("Impossibile creare la cartella"), path, EACCES);
    if (::mkdir(native.constData(), 0777) == 0 || errno == EEXIST) {
        struct stat st;
        if (::stat(native.constData(), &st) != 0)
            fail(QStringLiteral("Impossibile aprire la cartella"), path, errno);
        if (!S_ISDIR(st.st_mode))
            fail(QStringLiteral("Non è una cartella:"), path, ENOTDIR);
        return;
    }
    fail(QStringLiteral("Impossibile creare la cartella"), path, errno);
}

// Only the last Kept copies of the file stay; the dates in the names order
// them. Leftovers of a copy interrupted long ago go too. Nothing here is worth
// a warning: at worst a few more copies are kept.
void prune(const QString &folder, const QFileInfo &file)
{
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    const QRegularExpression copy(QLatin1Char('^') + QRegularExpression::escape(file.completeBaseName())
                                  + QStringLiteral("\\.(\\d{4}-\\d{2}-\\d{2})")
                                  + QRegularExpression::escape(suffix) + QLatin1Char('$'));
    const QString leftover = QLatin1Char('.') + file.completeBaseName() + QLatin1Char('.');
    QDir dir(folder);
    QStringList copies;
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString name = entry.fileName();
        const QRegularExpressionMatch m = copy.match(name);
        if (m.hasMatch() && QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd")).isValid())
            copies << name;
        else if (name.startsWith(leftover) && name.endsWith(QStringLiteral(".tmp")) && entry.lastModified() < old)
            dir.remove(name);
    }
    std::sort(copies.begin(), copies.end());
    for (qsizetype i = 0; i + DailyBackup::Kept < copies.size(); ++i)
        dir.remove(copies[i]);
}

}

namespace DailyBackup {

QString folder() { return Services::programFile(QString::fromLatin1(FolderName)) + QLatin1Char('/'); }

QString copyName(const QString &fileName, QDate day)
{
    const QFileInfo info(fileName);
    QString name = info.completeBaseName() + QLatin1Char('.') + day.toString(QStringLiteral("yyyy-MM-dd"));
    if (!info.suffix().isEmpty())
        name += QLatin1Char('.') + info.suffix();
    return name;
}

Outcome beforeSave(const QString &path)
{
    const QFileInfo info(path);
    const QString backups = folder();
    const QString target = backups + copyName(info.fileName(), Services::clock().today());
    if (QFileInfo::exists(target))
        return Outcome::AlreadyMade;

    // Never blocks on a FIFO in the file's place; the save reports that one.
    Descriptor in {::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (in.fd < 0) {
        if (errno == ENOENT)
            return Outcome::NothingToCopy;
        fail(QStringLiteral("Impossibile leggere"), path, errno);
    }
    struct stat st;
    if (::fstat(in.fd, &st) != 0)
        fail(QStringLiteral("Impossibile leggere"), path, errno);
    if (!S_ISREG(st.st_mode) || st.st_size == 0)
        return Outcome::NothingToCopy;

    ensureFolder(backups);
    try {
        SafeFile out(target);
        out.create();
        QByteArray block(1 << 20, Qt::Uninitialized);
        for (;;) {
            const ssize_t n = ::read(in.fd, block.data(), size_t(block.size()));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                fail(QStringLiteral("Impossibile leggere"), path, errno);
            if (n == 0)
                break;
            if (out.write(block.constData(), n) != n)
                throw SafeFileError(target, QStringLiteral("Impossibile scrivere"), EIO);
        }
        out.commit();
    } catch (const SafeFileError &e) {
        throw DailyBackupError(e.what());
    }
    prune(backups, info);
    return Outcome::Made;
}

QString failureWarning()
{
    return QStringLiteral("Attenzione: non è stato possibile creare la copia di sicurezza giornaliera dell'archivio "
                          "nella cartella Backup.\n\r\n\r"
                          "La scheda viene salvata ugualmente. Accertarsi di possedere i privilegi di scrittura "
                          "nella cartella di installazione del programma.");
}

}
