#include "records/RecordFile.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

RecordFileError::RecordFileError(const QString &path, const QString &what, int error)
    : std::runtime_error((what + QStringLiteral(" ") + path + QStringLiteral(": ")
                          + QString::fromLocal8Bit(std::strerror(error))).toStdString())
    , m_error(error)
{
}

namespace {
// Holds an exclusive advisory lock for the lifetime of the object.
class ExclusiveLock {
public:
    explicit ExclusiveLock(int fd) : m_fd(fd)
    {
        while (::flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                m_locked = false;
                return;
            }
        }
    }
    ~ExclusiveLock()
    {
        if (m_locked)
            ::flock(m_fd, LOCK_UN);
    }
    bool locked() const { return m_locked; }
private:
    int m_fd;
    bool m_locked = true;
};
}

RecordFile::~RecordFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void RecordFile::fail(const QString &what, int error) const
{
    throw RecordFileError(m_path, what, error);
}

void RecordFile::openOrCreate(const QString &path, int recordSize)
{
    close();
    m_path = path;
    m_recordSize = recordSize;
    m_position = 0;
    const QByteArray native = path.toLocal8Bit();
    int fd = ::open(native.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        // A folder marked read-only is respected even by a privileged user.
        const QByteArray folder = QFileInfo(path).absolutePath().toLocal8Bit();
        struct stat dir;
        if (::stat(folder.constData(), &dir) == 0 && (dir.st_mode & 0222) == 0)
            fail(QStringLiteral("Impossibile creare"), EACCES);
        // O_EXCL: if another copy creates it in the meantime, open that one instead.
        fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno == EEXIST)
            fd = ::open(native.constData(), O_RDWR | O_CLOEXEC);
    }
    if (fd < 0)
        fail(QStringLiteral("Impossibile aprire"), errno);
    struct stat st;
    int error = 0;
    if (::fstat(fd, &st) != 0)
        error = errno;
    else if (!S_ISREG(st.st_mode))
        error = EISDIR;
    else if ((st.st_mode & 0222) == 0)
        error = EACCES; // a read-only file stays read-only, whoever runs the program
    if (error) {
        ::close(fd);
        fail(QStringLiteral("Impossibile aprire"), error);
    }
    m_fd = fd;
}

int RecordFile::size() const
{
    if (m_fd < 0)
        fail(QStringLiteral("File non aperto"), EBADF);
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        fail(QStringLiteral("Impossibile leggere la dimensione di"), errno);
    return int(st.st_size / m_recordSize);
}

void RecordFile::seek(int index)
{
    if (index < 0 || index > size())
        fail(QStringLiteral("Posizione non valida in"), EINVAL);
    m_position = index;
}

void RecordFile::read(QByteArray &buffer)
{
    if (m_position >= size())
        fail(QStringLiteral("Lettura oltre la fine di"), EINVAL);
    buffer.resize(m_recordSize);
    qint64 done = 0;
    const off_t base = off_t(m_position) * m_recordSize;
    while (done < m_recordSize) {
        const ssize_t n = ::pread(m_fd, buffer.data() + done, size_t(m_recordSize - done), base + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(QStringLiteral("Impossibile leggere"), n < 0 ? errno : EIO);
        done += n;
    }
    ++m_position;
}

void RecordFile::writeAt(int index, const QByteArray &buffer)
{
    if (buffer.size() != m_recordSize)
        fail(QStringLiteral("Record di lunghezza errata per"), EINVAL);
    const off_t base = off_t(index) * m_recordSize;
    const ssize_t n = ::pwrite(m_fd, buffer.constData(), size_t(m_recordSize), base);
    if (n != m_recordSize)
        fail(QStringLiteral("Impossibile scrivere"), n < 0 ? errno : ENOSPC);
    if (::fdatasync(m_fd) != 0)
        fail(QStringLiteral("Impossibile salvare"), errno);
}

void RecordFile::write(const QByteArray &buffer)
{
    if (m_position > size())
        fail(QStringLiteral("Posizione non valida in"), EINVAL);
    if (m_position == size()) {
        m_position = append(buffer);
        return;
    }
    writeAt(m_position, buffer);
    ++m_position;
}

int RecordFile::append(const QByteArray &buffer)
{
    if (m_fd < 0)
        fail(QStringLiteral("File non aperto"), EBADF);
    ExclusiveLock lock(m_fd);
    if (!lock.locked())
        fail(QStringLiteral("Impossibile bloccare"), errno);
    const int index = size();
    writeAt(index, buffer);
    m_position = index + 1;
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
    const int records = size();
    QByteArray all;
    all.resize(qsizetype(records) * m_recordSize);
    qint64 done = 0;
    while (done < all.size()) {
        const ssize_t n = ::pread(m_fd, all.data() + done, size_t(all.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(QStringLiteral("Impossibile leggere"), n < 0 ? errno : EIO);
        done += n;
    }
    m_position = records;
    return all;
}

void RecordFile::readBlock(int index, int count, QByteArray &buffer)
{
    if (m_fd < 0)
        fail(QStringLiteral("File non aperto"), EBADF);
    if (index < 0 || count < 0 || index + count > size())
        fail(QStringLiteral("Lettura oltre la fine di"), EINVAL);
    buffer.resize(qsizetype(count) * m_recordSize);
    const off_t base = off_t(index) * m_recordSize;
    qint64 done = 0;
    while (done < buffer.size()) {
        const ssize_t n = ::pread(m_fd, buffer.data() + done, size_t(buffer.size() - done), base + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(QStringLiteral("Impossibile leggere"), n < 0 ? errno : EIO);
        done += n;
    }
    m_position = index + count;
}
