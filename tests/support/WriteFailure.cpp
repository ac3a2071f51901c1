#include "WriteFailure.h"

#include "platform/SafeFile.h"

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    SafeFile::ignoreFileSizeSignal();
    if (::getrlimit(RLIMIT_FSIZE, &m_before) != 0)
        return;
    struct rlimit limited = m_before;
    limited.rlim_cur = rlim_t(bytes);
    m_active = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (m_active)
        ::setrlimit(RLIMIT_FSIZE, &m_before);
}
