#pragma once
// Process-wide services that tests replace: the program folder and the clock.
// Everything that touches the date or the folder beside the executable goes
// through here, so a test can pin both.

#include <QDate>
#include <QString>
#include <QTime>

#include <functional>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDate today() const override;
    QTime now() const override;
};

// A clock that always says the same date and time.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDate d, QTime t = QTime(12, 0))
        : m_date(d)
        , m_time(t)
    {
    }
    QDate today() const override { return m_date; }
    QTime now() const override { return m_time; }
    // Moves the clock on (tests of what happens on another day).
    void set(QDate d, QTime t = QTime(12, 0))
    {
        m_date = d;
        m_time = t;
    }
private:
    QDate m_date;
    QTime m_time;
};

namespace Services {
// The folder beside the executable, with a trailing separator.
QString programFolder();
// Points the program folder elsewhere (tests); an empty text restores the default.
void setProgramFolder(const QString &folder);
// A file of the program folder.
QString programFile(const QString &name);

const Clock &clock();
// Takes no ownership; nullptr restores the system clock.
void setClock(const Clock *clock);

// The bytes this user may still write in the file system that holds folder;
// -1 when the system does not tell.
qint64 freeSpace(const QString &folder);
// Replaces the measure (tests: a disk nearly full without filling one); an
// empty function restores the system's.
void setFreeSpace(std::function<qint64(const QString &folder)> measure);
}
