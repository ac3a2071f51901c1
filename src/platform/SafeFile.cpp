#include "platform/SafeFile.h"

#include "platform/FileIo.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {
SafeFileError::Reason reasonOf(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return SafeFileError::Reason::NoPermission;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return SafeFileError::Reason::NoSpace;
    default:
        return SafeFileError::Reason::Other;
    }
}

QString systemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The mode bits, not what the current user may do: an administrator may
// write anything, yet a folder marked read-only is meant to stay.
bool isMarkedReadOnly(const QByteArray &folder)
{
    struct stat st;
    return ::stat(folder.constData(), &st) == 0 && (st.st_mode & 0222) == 0;
}

// The rename reaches the disk with the folder; the file is already in place,
// so a failure here is not worth undoing anything for.
void syncFolder(const QString &folder)
{
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

// ".<name>.<tag>.tmp", the tag a 32-bit random number in base 36 as create()
// makes it. The name when fileName is one, nothing otherwise.
std::optional<QString> temporaryNameOf(const QString &fileName)
{
    static const QRegularExpression name(QStringLiteral("^\\.(.+)\\.([0-9a-z]{1,7})\\.tmp$"));
    const QRegularExpressionMatch m = name.match(fileName);
    bool ok = false;
    if (m.hasMatch())
        m.captured(2).toUInt(&ok, 36);
    return ok ? std::optional<QString>(m.captured(1)) : std::nullopt;
}
}

SafeFileError::SafeFileError(const QString &path, const QString &what, int error)
    : SafeFileError(path, what, error, reasonOf(error))
{
}

SafeFileError::SafeFileError(const QString &path, const QString &what, int error, Reason reason)
    : std::runtime_error((what + QStringLiteral(" ") + path + QStringLiteral(": ") + systemText(error)).toStdString())
    , m_error(error)
    , m_reason(reason)
{
}

SafeFileError::SafeFileError(Reason reason, int error)
    : std::runtime_error(systemText(error).toStdString())
    , m_error(error)
    , m_reason(reason)
{
}

SourceFile::SourceFile(const QString &path)
    : m_path(path)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st;
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0) {
        m_error = errno;
        return;
    }
    m_mode = st.st_mode;
    m_size = st.st_size;
}

SourceFile::~SourceFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SourceFile::isFolder() const { return !m_error && S_ISDIR(m_mode); }

bool SourceFile::isRegular() const { return !m_error && S_ISREG(m_mode); }

bool SourceFile::isReadable() const { return !m_error && (m_mode & 0444) != 0; }

qint64 SourceFile::size() const { return m_size; }

SafeFile::SafeFile(const QString &target, QObject *parent)
    : SafeFile(target, Options {}, parent)
{
}

SafeFile::SafeFile(const QString &target, const Options &options, QObject *parent)
    : QIODevice(parent)
    , m_target(target)
    , m_options(options)
{
}

SafeFile::~SafeFile() { discard(); }

void SafeFile::fail(const QString &what, int error)
{
    discard();
    throw SafeFileError(m_target, what, error);
}

void SafeFile::create()
{
    discard();
    m_error = 0;
    m_written = 0;
    m_endsInHole = false;
    m_finished = false;
    const QFileInfo info(m_target);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    if (isMarkedReadOnly(folder))
        fail(QStringLiteral("Cartella in sola lettura per"), EACCES);
    struct stat st;
    if (!m_options.neverReplace && ::stat(QFile::encodeName(m_target).constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            fail(QStringLiteral("Impossibile sostituire"), EISDIR);
        if (!S_ISREG(st.st_mode))
            fail(QStringLiteral("Non è un file regolare:"), EINVAL);
        if ((st.st_mode & 0222) == 0)
            fail(QStringLiteral("File in sola lettura:"), EACCES);
    }
    // A hidden name beside the target, so that the rename stays in one file
    // system; created with 0666 so the umask decides as for any new file.
    const QString stem = m_options.temporaryStem.isEmpty() ? info.fileName() : m_options.temporaryStem;
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_tempPath = folder + "/." + QFile::encodeName(stem) + "."
                     + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        m_fd = ::open(m_tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (m_fd >= 0 || errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        const int error = errno;
        m_tempPath.clear();
        fail(QStringLiteral("Impossibile creare il file temporaneo per"), error);
    }
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 SafeFile::writeData(const char *data, qint64 size)
{
    if (m_fd < 0 || m_error)
        return -1;
    if (!FileIo::writeAll(m_fd, data, size)) {
        m_error = errno;
        setErrorString(systemText(m_error));
        return -1;
    }
    m_written += size;
    if (size > 0)
        m_endsInHole = false;
    return size;
}

bool SafeFile::skip(qint64 bytes)
{
    if (m_fd < 0 || m_error || bytes < 0)
        return false;
    if (bytes == 0)
        return true;
    if (::lseek(m_fd, off_t(bytes), SEEK_CUR) < 0) {
        m_error = errno;
        setErrorString(systemText(m_error));
        return false;
    }
    m_written += bytes;
    m_endsInHole = true;
    return true;
}

bool SafeFile::copyRange(const SourceFile &source, qint64 offset, qint64 end)
{
    QByteArray block(1 << 20, Qt::Uninitialized);
    while (offset < end) {
        const qint64 wanted = std::min<qint64>(block.size(), end - offset);
        const qint64 got = FileIo::readAt(source.descriptor(), block.data(), wanted, offset);
        if (got < 0) {
            const int error = errno;
            discard();
            throw SafeFileError(source.path(), QStringLiteral("Impossibile leggere"), error,
                                SafeFileError::Reason::SourceUnreadable);
        }
        if (got > 0 && write(block.constData(), got) != got)
            fail(QStringLiteral("Impossibile scrivere"), m_error ? m_error : EIO);
        if (got < wanted)
            return false;
        offset += got;
    }
    return true;
}

void SafeFile::copyFrom(const SourceFile &source, Holes holes)
{
    if (holes == Holes::Filled) {
        copyRange(source, 0, std::numeric_limits<qint64>::max());
        return;
    }
    // The data regions byte for byte, the holes as holes: a sparse file of
    // terabytes with a few blocks of data copies in a moment and takes no more
    // room than it does. A file system that cannot tell holes gives all as data.
    const int in = source.descriptor();
    const qint64 size = source.size();
    qint64 position = 0;
    while (position < size) {
        qint64 data = ::lseek(in, off_t(position), SEEK_DATA);
        if (data < 0)
            data = errno == ENXIO ? size : position; // only a hole left, or no way to ask
        data = std::min(data, size);
        qint64 hole = data < size ? ::lseek(in, off_t(data), SEEK_HOLE) : size;
        if (hole < 0 || hole > size)
            hole = size;
        if (!skip(data - position))
            fail(QStringLiteral("Impossibile scrivere"), m_error ? m_error : EIO);
        if (!copyRange(source, data, hole))
            return;
        position = hole;
    }
}

void SafeFile::finish(const QByteArray *expected)
{
    if (m_fd < 0)
        fail(QStringLiteral("File temporaneo non aperto per"), EBADF);
    if (m_error)
        fail(QStringLiteral("Impossibile scrivere"), m_error);
    // A hole at the end has no length until the file is given one.
    if (m_endsInHole && !FileIo::truncate(m_fd, m_written))
        fail(QStringLiteral("Impossibile scrivere"), errno);
    if (::fsync(m_fd) != 0)
        fail(QStringLiteral("Impossibile salvare"), errno);
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        fail(QStringLiteral("Impossibile controllare"), errno);
    if (st.st_size != m_written)
        fail(QStringLiteral("File incompleto per"), EIO);
    if (expected) {
        // Read through a descriptor of its own, as any later reader would.
        const int in = ::open(m_tempPath.constData(), O_RDONLY | O_CLOEXEC);
        if (in < 0)
            fail(QStringLiteral("Impossibile rileggere"), errno);
        QByteArray back(expected->size() + 1, Qt::Uninitialized);
        const qint64 got = FileIo::readAt(in, back.data(), back.size(), 0);
        const int error = errno;
        ::close(in);
        if (got < 0)
            fail(QStringLiteral("Impossibile rileggere"), error);
        back.truncate(got);
        if (back != *expected)
            fail(QStringLiteral("Contenuto diverso da quello scritto in"), EIO);
    }
    // The target's permissions, when there is one to replace.
    struct stat old;
    if (!m_options.neverReplace && ::stat(QFile::encodeName(m_target).constData(), &old) == 0
        && ::fchmod(m_fd, old.st_mode & 07777) != 0)
        fail(QStringLiteral("Impossibile impostare i permessi di"), errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        fail(QStringLiteral("Impossibile chiudere"), errno);
    m_finished = true;
}

void SafeFile::placed()
{
    m_tempPath.clear();
    syncFolder(QFileInfo(m_target).absolutePath());
    QIODevice::close();
}

void SafeFile::commit() { commitChecked(nullptr); }

void SafeFile::commitChecked(const QByteArray *expected)
{
    if (m_options.neverReplace)
        fail(QStringLiteral("Impossibile sostituire"), EEXIST);
    finish(expected);
    if (::rename(m_tempPath.constData(), QFile::encodeName(m_target).constData()) != 0)
        fail(QStringLiteral("Impossibile sostituire"), errno);
    placed();
}

bool SafeFile::commitNew(const QString &target)
{
    if (!m_finished)
        finish(nullptr);
    m_target = target;
    const QByteArray to = QFile::encodeName(target);
    if (::renameat2(AT_FDCWD, m_tempPath.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST)
            return false;
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
            fail(QStringLiteral("Impossibile creare"), errno);
        // A file system that cannot rename without replacing: look first.
        struct stat st;
        if (::lstat(to.constData(), &st) == 0)
            return false;
        if (::rename(m_tempPath.constData(), to.constData()) != 0)
            fail(QStringLiteral("Impossibile creare"), errno);
    }
    placed();
    return true;
}

void SafeFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.isEmpty()) {
        ::unlink(m_tempPath.constData());
        m_tempPath.clear();
    }
    m_finished = false;
    if (isOpen())
        QIODevice::close();
}

void SafeFile::replace(const QString &target, const QByteArray &bytes)
{
    SafeFile file(target);
    file.create();
    if (file.write(bytes) != bytes.size())
        file.fail(QStringLiteral("Impossibile scrivere"), file.m_error ? file.m_error : EIO);
    file.commitChecked(&bytes);
}

std::optional<QByteArray> SafeFile::readRegular(const QString &path, qint64 maxBytes)
{
    const SourceFile in(path);
    if (!in.opened()) {
        if (in.error() == ENOENT)
            return std::nullopt;
        throw SafeFileError(path, QStringLiteral("Impossibile aprire"), in.error());
    }
    int error = in.error();
    QString what = QStringLiteral("Impossibile leggere");
    if (error) {
    } else if (in.isFolder()) {
        error = EISDIR;
    } else if (!in.isRegular()) {
        what = QStringLiteral("Non è un file regolare:");
        error = EINVAL;
    } else if (!in.isReadable()) {
        error = EACCES; // unreadable by its mode bits, whoever runs the program
    } else if (in.size() > maxBytes) {
        what = QStringLiteral("File troppo grande:");
        error = EFBIG;
    }
    if (error)
        throw SafeFileError(path, what, error);
    // One byte more than allowed tells a file that grew since it was opened.
    QByteArray bytes(maxBytes + 1, Qt::Uninitialized);
    const qint64 got = FileIo::readAt(in.descriptor(), bytes.data(), bytes.size(), 0);
    if (got < 0)
        throw SafeFileError(path, QStringLiteral("Impossibile leggere"), errno);
    if (got > maxBytes)
        throw SafeFileError(path, QStringLiteral("File troppo grande:"), EFBIG);
    bytes.truncate(got);
    return bytes;
}

void SafeFile::makeFolder(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    const QByteArray native = QFile::encodeName(clean);
    struct stat st;
    if (::stat(native.constData(), &st) == 0) {
        if (!S_ISDIR(st.st_mode))
            throw SafeFileError(clean, QStringLiteral("Non è una cartella:"), ENOTDIR);
        return;
    }
    if (errno != ENOENT)
        throw SafeFileError(clean, QStringLiteral("Impossibile aprire la cartella"), errno);
    const QString parent = QFileInfo(clean).absolutePath();
    if (parent != clean)
        makeFolder(parent);
    if (isMarkedReadOnly(QFile::encodeName(parent)))
        throw SafeFileError(clean, QStringLiteral("Impossibile creare la cartella"), EACCES);
    if (::mkdir(native.constData(), 0777) != 0 && errno != EEXIST)
        throw SafeFileError(clean, QStringLiteral("Impossibile creare la cartella"), errno);
}

bool SafeFile::isTemporaryName(const QString &fileName) { return temporaryNameOf(fileName).has_value(); }

bool SafeFile::isTemporaryNameOf(const QString &fileName, const QString &stem)
{
    return temporaryNameOf(fileName) == stem;
}

void SafeFile::ignoreFileSizeSignal()
{
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = SIG_IGN;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGXFSZ, &action, nullptr);
}
