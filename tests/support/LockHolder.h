#pragma once
// Another process that holds a file's exclusive lock until released: another
// copy of the program in the middle of a save, or a stuck one.

#include <QString>

#include <sys/types.h>

class LockHolder {
public:
    explicit LockHolder(const QString &path);
    ~LockHolder() { release(); }
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;
    bool locked() const { return m_locked; }
    void release();
private:
    pid_t m_pid = -1;
    int m_release[2] = {-1, -1};
    bool m_locked = false;
};
