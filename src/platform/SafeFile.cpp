#include "platform/SafeFile.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SafeFileError::SafeFileError(const QString &path, const QString &what, int error)
    : std::runtime_error((what + QStringLiteral(" ") + path + QStringLiteral(": ")
                          + QString::fromLocal8Bit(std::strerror(error))).toStdString())
    , m_error(error)
{
}

namespace {
bool readAllAt(int fd, char *into, qint64 size, qint64 &got)
{
    got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, into + got, size_t(size - got), off_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    return true;
}
}

SafeFile::SafeFile(const QString &target, QObject *parent) : QIODevice(parent), m_target(target) {}

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
    const QFileInfo info(m_target);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    struct stat st;
    // The mode bits, not what the current user may do: an administrator may
    // write anything, yet a file or folder marked read-only is meant to stay.
    if (::stat(folder.constData(), &st) == 0 && (st.st_mode & 0222) == 0)
        fail(QStringLiteral("Cartella in sola lettura per"), EACCES);
    if (::stat(QFile::encodeName(m_target).constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            fail(QStringLiteral("Impossibile sostituire"), EISDIR);
        if (!S_ISREG(st.st_mode))
            fail(QStringLiteral("Non è un file regolare:"), EINVAL);
        if ((st.st_mode & 0222) == 0)
            fail(QStringLiteral("File in sola lettura:"), EACCES);
    }
    // A hidden name beside the target, so that the rename stays in one file
    // system; created with 0666 so the umask decides as for any new file.
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_tempPath = folder + "/." + QFile::encodeName(info.fileName()) + "."
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
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd, data + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A short write means no room (a full disk or a file-size limit).
            m_error = n < 0 ? errno : ENOSPC;
            setErrorString(QString::fromLocal8Bit(std::strerror(m_error)));
            return -1;
        }
        done += n;
        m_written += n;
        m_endsInHole = false;
    }
    return done;
}

bool SafeFile::skip(qint64 bytes)
{
    if (m_fd < 0 || m_error || bytes < 0)
        return false;
    if (bytes == 0)
        return true;
    if (::lseek(m_fd, off_t(bytes), SEEK_CUR) < 0) {
        m_error = errno;
        setErrorString(QString::fromLocal8Bit(std::strerror(m_error)));
        return false;
    }
    m_written += bytes;
    m_endsInHole = true;
    return true;
}

void SafeFile::commit() { commitChecked(nullptr); }

void SafeFile::commitChecked(const QByteArray *expected)
{
    if (m_fd < 0)
        fail(QStringLiteral("File temporaneo non aperto per"), EBADF);
    if (m_error)
        fail(QStringLiteral("Impossibile scrivere"), m_error);
    // A hole at the end has no length until the file is given one.
    if (m_endsInHole) {
        int result;
        while ((result = ::ftruncate(m_fd, off_t(m_written))) != 0 && errno == EINTR) {
        }
        if (result != 0)
            fail(QStringLiteral("Impossibile scrivere"), errno);
    }
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
        qint64 got = 0;
        const bool ok = readAllAt(in, back.data(), back.size(), got);
        const int error = errno;
        ::close(in);
        if (!ok)
            fail(QStringLiteral("Impossibile rileggere"), error);
        back.truncate(got);
        if (back != *expected)
            fail(QStringLiteral("Contenuto diverso da quello scritto in"), EIO);
    }
    struct stat old;
    if (::stat(QFile::encodeName(m_target).constData(), &old) == 0 && ::fchmod(m_fd, old.st_mode & 07777) != 0)
        fail(QStringLiteral("Impossibile impostare i permessi di"), errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        fail(QStringLiteral("Impossibile chiudere"), errno);
    if (::rename(m_tempPath.constData(), QFile::encodeName(m_target).constData()) != 0)
        fail(QStringLiteral("Impossibile sostituire"), errno);
    m_tempPath.clear();
    // The rename itself reaches the disk with the folder; the file is already
    // in place, so a failure here is not worth undoing anything for.
    const int dir = ::open(QFile::encodeName(QFileInfo(m_target).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    QIODevice::close();
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
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw SafeFileError(path, QStringLiteral("Impossibile aprire"), errno);
    }
    struct stat st;
    int error = 0;
    QString what = QStringLiteral("Impossibile leggere");
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else if (S_ISDIR(st.st_mode)) {
        error = EISDIR;
    } else if (!S_ISREG(st.st_mode)) {
        what = QStringLiteral("Non è un file regolare:");
        error = EINVAL;
    } else if ((st.st_mode & 0444) == 0) {
        error = EACCES; // unreadable by its mode bits, whoever runs the program
    } else if (st.st_size > maxBytes) {
        what = QStringLiteral("File troppo grande:");
        error = EFBIG;
    }
    QByteArray bytes;
    if (!error) {
        // One byte more than allowed tells a file that grew since fstat.
        bytes.resize(maxBytes + 1);
        qint64 got = 0;
        if (!readAllAt(fd, bytes.data(), bytes.size(), got)) {
            error = errno;
        } else if (got > maxBytes) {
            what = QStringLiteral("File troppo grande:");
            error = EFBIG;
        }
        bytes.truncate(got);
    }
    ::close(fd);
    if (error)
        throw SafeFileError(path, what, error);
    return bytes;
}

bool SafeFile::isTemporaryName(const QString &fileName)
{
    // The tag is a 32-bit random number in base 36, as create() makes it.
    static const QRegularExpression name(QStringLiteral("^\\..+\\.([0-9a-z]{1,7})\\.tmp$"));
    const QRegularExpressionMatch m = name.match(fileName);
    bool ok = false;
    if (m.hasMatch())
        m.captured(1).toUInt(&ok, 36);
    return ok;
}

void SafeFile::ignoreFileSizeSignal()
{
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = SIG_IGN;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGXFSZ, &action, nullptr);
}
