#include "records/DailyBackup.h"

#include "platform/SafeFile.h"
#include "platform/Services.h"

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

// The day copies of file are named after: "Anagrafica.2026-12-10.pro" for
// Anagrafica.pro. Invalid for a name that is not such a copy.
QDate copyDay(const QFileInfo &file, const QString &name)
{
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    const QRegularExpression copy(QLatin1Char('^') + QRegularExpression::escape(file.completeBaseName())
                                  + QStringLiteral("\\.(\\d{4}-\\d{2}-\\d{2})")
                                  + QRegularExpression::escape(suffix) + QLatin1Char('$'));
    const QRegularExpressionMatch m = copy.match(name);
    return m.hasMatch() ? QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd")) : QDate();
}

QStringList copiesOf(const QString &folder, const QFileInfo &file, bool future)
{
    const QDate today = Services::clock().today();
    QStringList copies;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        const QDate day = copyDay(file, name);
        if (day.isValid() && (day > today) == future)
            copies << name;
    }
    return copies;
}

// Only the last Kept copies of the file up to today stay; the dates in the
// names order them. A copy dated after today is left alone and not counted:
// counted, ten of them would delete every new day's copy as soon as it was
// made. Nothing here is worth a warning: at worst a few more copies are kept.
void prune(const QString &folder, const QFileInfo &file)
{
    const QStringList copies = copiesOf(folder, file, false); // in date order, as named
    QDir dir(folder);
    for (qsizetype i = 0; i + DailyBackup::Kept < copies.size(); ++i)
        dir.remove(copies[i]);
}

// Reads exactly the bytes at offset into out, in large blocks; a file cut
// short meanwhile ends the copy where it ends. False then.
bool copyRange(int in, const QString &path, SafeFile &out, off_t offset, off_t end)
{
    QByteArray block(1 << 20, Qt::Uninitialized);
    while (offset < end) {
        const ssize_t n = ::pread(in, block.data(), size_t(std::min<off_t>(block.size(), end - offset)), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(QStringLiteral("Impossibile leggere"), path, errno);
        if (n == 0)
            return false;
        if (out.write(block.constData(), n) != n)
            throw SafeFileError(out.target(), QStringLiteral("Impossibile scrivere"), EIO);
        offset += n;
    }
    return true;
}

// The file's data regions byte for byte, its holes as holes: a sparse file of
// terabytes with a few blocks of data copies in a moment and takes no more
// room than it does. A file system that cannot tell holes gives all as data.
void copySparse(int in, const QString &path, SafeFile &out, off_t size)
{
    off_t position = 0;
    while (position < size) {
        off_t data = ::lseek(in, position, SEEK_DATA);
        if (data < 0)
            data = errno == ENXIO ? size : position; // only a hole left, or no way to ask
        data = std::min(data, size);
        off_t hole = data < size ? ::lseek(in, data, SEEK_HOLE) : size;
        if (hole < 0 || hole > size)
            hole = size;
        if (!out.skip(data - position))
            throw SafeFileError(out.target(), QStringLiteral("Impossibile scrivere"), EIO);
        if (!copyRange(in, path, out, data, hole))
            return;
        position = hole;
    }
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
    // A damaged or sparse file may claim terabytes: it is not copied unless
    // it fits, whatever its holes would save, with room to spare.
    const qint64 free = Services::freeSpace(backups);
    if (free >= 0 && qint64(st.st_size) > free - DailyBackup::SpareRoom)
        fail(QStringLiteral("Spazio insufficiente per la copia di"), path, ENOSPC);
    try {
        SafeFile out(target);
        out.create();
        copySparse(in.fd, path, out, st.st_size);
        out.commit();
    } catch (const SafeFileError &e) {
        throw DailyBackupError(e.what());
    }
    prune(backups, info);
    return Outcome::Made;
}

QStringList futureCopies(const QString &path)
{
    return copiesOf(folder(), QFileInfo(path), true);
}

QString futureCopiesWarning(const QString &fileName, const QStringList &copies)
{
    return QStringLiteral("Attenzione: nella cartella Backup ci sono copie di sicurezza dell'archivio %1 con una data "
                          "successiva a quella di oggi, forse fatte quando l'orologio del computer era sbagliato:"
                          "\n\r\n\r%2\n\r\n\r"
                          "Il programma non le elimina e non le conta fra le ultime %3 copie che conserva. "
                          "Controllarle e spostarle altrove se contengono dati da tenere.")
        .arg(fileName, copies.join(QLatin1Char('\n')), QString::number(DailyBackup::Kept));
}

QString failureWarning()
{
    return QStringLiteral("Attenzione: non è stato possibile creare la copia di sicurezza giornaliera dell'archivio "
                          "nella cartella Backup.\n\r\n\r"
                          "La scheda viene salvata ugualmente. Accertarsi di possedere i privilegi di scrittura "
                          "nella cartella di installazione del programma.");
}

}
