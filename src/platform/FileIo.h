#pragma once
// The system's file calls that a signal can interrupt, each one retried until
// it is done: the one place that deals with interrupted calls. A failure
// leaves errno set.

#include <QtGlobal>

namespace FileIo {
// Reads up to size bytes at offset, stopping short only at the end of the
// file. How many were read; -1 on a failure.
qint64 readAt(int fd, char *into, qint64 size, qint64 offset);
// Writes all of size bytes at the current position, or at offset. False on
// any failure, a short write included (errno is ENOSPC then: a full disk or a
// file-size limit).
bool writeAll(int fd, const char *data, qint64 size);
bool writeAllAt(int fd, const char *data, qint64 size, qint64 offset);
// Gives the file its length.
bool truncate(int fd, qint64 length);
// Takes the exclusive advisory lock when nobody holds it; false otherwise,
// with errno EWOULDBLOCK when another holds it.
bool tryLock(int fd);
}
