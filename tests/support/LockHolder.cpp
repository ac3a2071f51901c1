#include "LockHolder.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

LockHolder::LockHolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    int ready[2];
    if (::pipe(ready) != 0 || ::pipe(m_release) != 0)
        return;
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(ready[0]);
        ::close(m_release[1]);
        const int fd = ::open(native.constData(), O_RDWR);
        char c = fd >= 0 && ::flock(fd, LOCK_EX) == 0;
        if (::write(ready[1], &c, 1) != 1)
            ::_exit(1);
        // Holds the lock until the parent closes its end of the pipe.
        while (::read(m_release[0], &c, 1) > 0) {
        }
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(m_release[0]);
    char c = 0;
    m_locked = ::read(ready[0], &c, 1) == 1 && c == 1;
    ::close(ready[0]);
}

void LockHolder::release()
{
    if (m_pid <= 0)
        return;
    ::close(m_release[1]);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}
