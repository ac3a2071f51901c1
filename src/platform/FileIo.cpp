#include "platform/FileIo.h"

#include <cerrno>
#include <sys/file.h>
#include <unistd.h>

namespace FileIo {

namespace {
// Writes size bytes through write(done), which writes from byte done on.
template <typename Write>
bool writeAllWith(qint64 size, Write write)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = write(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}
}

qint64 readAt(int fd, char *into, qint64 size, qint64 offset)
{
    qint64 got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, into + got, size_t(size - got), off_t(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

bool writeAll(int fd, const char *data, qint64 size)
{
    return writeAllWith(size, [&](qint64 done) { return ::write(fd, data + done, size_t(size - done)); });
}

bool writeAllAt(int fd, const char *data, qint64 size, qint64 offset)
{
    return writeAllWith(size, [&](qint64 done) {
        return ::pwrite(fd, data + done, size_t(size - done), off_t(offset + done));
    });
}

bool truncate(int fd, qint64 length)
{
    int result;
    while ((result = ::ftruncate(fd, off_t(length))) != 0 && errno == EINTR) {
    }
    return result == 0;
}

bool tryLock(int fd)
{
    int result;
    while ((result = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    return result == 0;
}

}
