#pragma once
// Real write failures for tests: a process-wide file-size limit (what a full
// disk looks like to the writer: a short write, then EFBIG), with SIGXFSZ
// ignored as the program ignores it.

#include <QtGlobal>

#include <sys/resource.h>

class FileSizeLimit {
public:
    // From now on no file grows beyond bytes; the soft limit only, so that the
    // destructor can lift it again.
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool active() const { return m_active; }
private:
    struct rlimit m_before { };
    bool m_active = false;
};
