#include "records/RecordFile.h"

#include "platform/FileIo.h"

#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

RecordFileError::RecordFileError(const QString &path, const QString &what, int error, Kind kind)
    : std::runtime_error(
        (what + QStringLiteral(" ") + path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error)))
            .toStdString())
    , m_error(error)
    , m_kind(kind)
{
}

namespace {
std::atomic<int> g_lockTimeout {RecordFile::DefaultLockTimeout};

// Holds an exclusive advisory lock for the lifetime of the object. Another copy
// of the program may hold it, or a stuck process: we wait a bounded time only.
class ExclusiveLock {
public:
    enum class Result { Locked, TimedOut, Failed };

    explicit ExclusiveLock(int fd, int timeoutMs)
        : m_fd(fd)
    {
        using namespace std::chrono;
        const auto deadline = steady_clock::now() + milliseconds(timeoutMs);
        for (;;) {
            if (FileIo::tryLock(m_fd)) {
                m_result = Result::Locked;
                return;
            }
            if (errno != EWOULDBLOCK) {
                m_error = errno;
                m_result = Result::Failed;
                return;
            }
            const auto now = steady_clock::now();
            if (now >= deadline) {
                m_error = EWOULDBLOCK;
                m_result = Result::TimedOut;
                return;
            }
            std::this_thread::sleep_for(std::min<steady_clock::duration>(milliseconds(20), deadline - now));
        }
    }
    ~ExclusiveLock()
    {
        if (m_result == Result::Locked)
            ::flock(m_fd, LOCK_UN);
    }
    Result result() const { return m_result; }
    int error() const { return m_error; }
private:
    int m_fd;
    Result m_result = Result::Failed;
    int m_error = 0;
};

}

int RecordFile::lockTimeout() { return g_lockTimeout.load(); }

void RecordFile::setLockTimeout(int milliseconds)
{
    g_lockTimeout.store(milliseconds < 0 ? DefaultLockTimeout : milliseconds);
}

RecordFile::~RecordFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void RecordFile::fail(const QString &what, int error) const { throw RecordFileError(m_path, what, error); }

void RecordFile::requireOpen() const
{
    if (m_fd < 0)
        fail(QStringLiteral("File non aperto"), EBADF);
}

void RecordFile::requireWritable() const
{
    requireOpen();
    if (m_mode != Mode::Write)
        fail(QStringLiteral("Aperto in sola lettura:"), EBADF);
}

void RecordFile::openOrCreate(const QString &path, int recordSize, Mode mode)
{
    close();
    m_path = path;
    m_recordSize = recordSize;
    m_position = 0;
    m_mode = mode;
    const QByteArray native = path.toLocal8Bit();
    // O_NONBLOCK: a FIFO or a device in the file's place must not hang the
    // window; it is refused below, once fstat tells what it is.
    const int flags = (mode == Mode::Write ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::open(native.constData(), flags);
    if (fd < 0 && errno == ENOENT) {
        // A folder marked read-only is respected even by a privileged user.
        const QByteArray folder = QFileInfo(path).absolutePath().toLocal8Bit();
        struct stat dir;
        if (::stat(folder.constData(), &dir) == 0 && (dir.st_mode & 0222) == 0)
            fail(QStringLiteral("Impossibile creare"), EACCES);
        // O_EXCL: if another copy creates it in the meantime, open that one instead.
        const int created = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (created < 0 && errno != EEXIST)
            fail(QStringLiteral("Impossibile creare"), errno);
        if (created >= 0)
            ::close(created);
        fd = ::open(native.constData(), flags);
    }
    if (fd < 0)
        fail(QStringLiteral("Impossibile aprire"), errno);
    struct stat st;
    int error = 0;
    QString what = QStringLiteral("Impossibile aprire");
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else if (S_ISDIR(st.st_mode)) {
        error = EISDIR;
    } else if (!S_ISREG(st.st_mode)) {
        what = QStringLiteral("Non è un archivio (FIFO o dispositivo):");
        error = EINVAL;
    } else if (mode == Mode::Write && (st.st_mode & 0222) == 0) {
        error = EACCES; // a read-only file stays read-only, whoever runs the program
    } else if (mode == Mode::Read && (st.st_mode & 0444) == 0) {
        error = EACCES; // and an unreadable one unread
    } else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        error = errno;
    }
    if (error) {
        ::close(fd);
        fail(what, error);
    }
    m_fd = fd;
    m_atEnd = size() == 0;
}

qint64 RecordFile::size() const
{
    requireOpen();
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        fail(QStringLiteral("Impossibile leggere la dimensione di"), errno);
    return qint64(st.st_size) / m_recordSize;
}

void RecordFile::seek(int index)
{
    const qint64 records = size();
    if (index < 0 || index > records)
        fail(QStringLiteral("Posizione non valida in"), EINVAL);
    m_position = index;
    m_atEnd = index == records;
}

void RecordFile::readExactly(char *into, qint64 bytes, qint64 offset)
{
    const qint64 got = FileIo::readAt(m_fd, into, bytes, offset);
    if (got != bytes)
        fail(QStringLiteral("Impossibile leggere"), got < 0 ? errno : EIO);
}

void RecordFile::read(QByteArray &buffer)
{
    const qint64 records = size();
    if (m_position >= records || m_position >= LastNumber)
        fail(QStringLiteral("Lettura oltre la fine di"), EINVAL);
    buffer.resize(m_recordSize);
    readExactly(buffer.data(), m_recordSize, qint64(m_position) * m_recordSize);
    ++m_position;
    m_atEnd = m_position == records;
}

int RecordFile::readBlock(int first, int count, QByteArray &buffer)
{
    const qint64 records = size();
    if (first < 0 || first > records || count < 0)
        fail(QStringLiteral("Posizione non valida in"), EINVAL);
    // Records past the last number are not read: nothing could name them.
    const int n = int(std::min({qint64(count), records - first, qint64(LastNumber) - first}));
    buffer.resize(qsizetype(n) * m_recordSize);
    readExactly(buffer.data(), buffer.size(), qint64(first) * m_recordSize);
    m_position = first + n;
    m_atEnd = m_position == records;
    return n;
}

void RecordFile::overwrite(int index, const QByteArray &buffer)
{
    const off_t base = off_t(index) * m_recordSize;
    // Kept so that a write failing halfway can put the record back as it was.
    QByteArray before(m_recordSize, Qt::Uninitialized);
    readExactly(before.data(), m_recordSize, base);
    if (!FileIo::writeAllAt(m_fd, buffer.constData(), m_recordSize, base)) {
        const int error = errno;
        FileIo::writeAllAt(m_fd, before.constData(), m_recordSize, base);
        fail(QStringLiteral("Impossibile scrivere"), error);
    }
    if (::fdatasync(m_fd) != 0)
        fail(QStringLiteral("Impossibile salvare"), errno);
}

void RecordFile::write(const QByteArray &buffer)
{
    requireWritable();
    if (buffer.size() != m_recordSize)
        fail(QStringLiteral("Record di lunghezza errata per"), EINVAL);
    const qint64 records = size();
    if (m_position > records)
        fail(QStringLiteral("Posizione non valida in"), EINVAL);
    // Only the locked append adds a record: a position that was the end when it
    // was set may hold another copy's record by now.
    if (m_atEnd || m_position == records) {
        append(buffer);
        return;
    }
    if (m_position >= LastNumber)
        fail(QStringLiteral("Archivio troppo grande:"), EFBIG);
    overwrite(m_position, buffer);
    ++m_position;
    m_atEnd = m_position == records;
}

int RecordFile::append(const QByteArray &buffer)
{
    requireWritable();
    if (buffer.size() != m_recordSize)
        fail(QStringLiteral("Record di lunghezza errata per"), EINVAL);
    ExclusiveLock lock(m_fd, lockTimeout());
    switch (lock.result()) {
    case ExclusiveLock::Result::Locked:
        break;
    case ExclusiveLock::Result::TimedOut:
        throw RecordFileError(m_path, QStringLiteral("Archivio in uso da un'altra copia del programma:"), lock.error(),
                              RecordFileError::Kind::Busy);
    case ExclusiveLock::Result::Failed:
        fail(QStringLiteral("Impossibile bloccare"), lock.error());
    }
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        fail(QStringLiteral("Impossibile leggere la dimensione di"), errno);
    const off_t length = st.st_size;
    const qint64 records = qint64(length) / m_recordSize;
    // The new record would have no number to be shown or found by.
    if (records >= LastNumber)
        fail(QStringLiteral("Archivio troppo grande:"), EFBIG);
    const int index = int(records);
    const bool written = FileIo::writeAllAt(m_fd, buffer.constData(), m_recordSize, off_t(index) * m_recordSize);
    const int error = !written ? errno : (::fdatasync(m_fd) != 0 ? errno : 0);
    if (error) {
        // No partial record is left behind: the file goes back to its length.
        FileIo::truncate(m_fd, length);
        fail(written ? QStringLiteral("Impossibile salvare") : QStringLiteral("Impossibile scrivere"), error);
    }
    m_position = index + 1;
    m_atEnd = true;
    return m_position;
}

void RecordFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

QByteArray RecordFile::readAll()
{
    QByteArray all;
    readBlock(0, int(std::min<qint64>(size(), LastNumber)), all);
    return all;
}
