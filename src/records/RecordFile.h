#pragma once
// A file of fixed-size records with no header. Every operation throws
// RecordFileError on failure; the file is released by the destructor too, so an
// exception in the middle of an action never leaves it open.

#include <QByteArray>
#include <QString>

#include <limits>
#include <stdexcept>

class RecordFileError : public std::runtime_error {
public:
    enum class Kind {
        Access, // cannot open, read or write: the archive access error
        Busy,   // another copy of the program holds the lock past the time limit
    };
    RecordFileError(const QString &path, const QString &what, int error, Kind kind = Kind::Access);
    int systemError() const { return m_error; }
    Kind kind() const { return m_kind; }
    bool isBusy() const { return m_kind == Kind::Busy; }
private:
    int m_error;
    Kind m_kind;
};

class RecordFile {
public:
    // Readers open the file read-only, so a read-only archive can still be
    // shown; only the editors' saves need Write.
    enum class Mode { Read, Write };

    RecordFile() = default;
    RecordFile(const QString &path, int recordSize, Mode mode = Mode::Write) { openOrCreate(path, recordSize, mode); }
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Opens the existing file, or creates it empty when it does not exist. An
    // existing file that cannot be opened is never replaced. Opening never
    // blocks: anything but a regular file (a folder, a FIFO, a device) is an
    // error, and so is a file marked read-only (Write) or unreadable (Read),
    // whoever runs the program.
    void openOrCreate(const QString &path, int recordSize, Mode mode = Mode::Write);
    bool isOpen() const { return m_fd >= 0; }
    Mode mode() const { return m_mode; }

    // Whole records only; trailing bytes of a partial record are never read.
    // 64 bits, as the file's length: a file may hold more records than a
    // record number reaches (see LastNumber).
    qint64 size() const;
    int position() const { return m_position; }
    void seek(int index);
    // Reads the record at the position into buffer (resized to the record size).
    void read(QByteArray &buffer);
    // Reads up to count records from index first into buffer, in one read;
    // returns how many (fewer at the end of the file, 0 there). The position
    // goes past the last one read.
    int readBlock(int first, int count, QByteArray &buffer);
    // Overwrites the record at the position; a position at the end of the file
    // (when it was set) appends through append(), so a record added meanwhile by
    // another copy is never overwritten. One write of the whole record, flushed
    // to disk before returning.
    void write(const QByteArray &buffer);
    // Appends under an exclusive advisory lock so that two copies of the program
    // never land on the same record. Waits for the lock at most lockTimeout()
    // milliseconds, then throws a Busy error and writes nothing. A failed write
    // leaves the file at its previous length. Returns the new record's 1-based
    // number; a file already holding LastNumber records takes no more.
    int append(const QByteArray &buffer);
    bool eof() const { return m_position >= size(); }
    void close();

    // The whole file in one read (benchmarks and bulk readers).
    QByteArray readAll();

    const QString &path() const { return m_path; }
    int recordSize() const { return m_recordSize; }

    // How long append() waits for another copy's lock; about five seconds
    // unless a test sets it shorter. A negative value restores the default.
    static int lockTimeout();
    static void setLockTimeout(int milliseconds);
    static constexpr int DefaultLockTimeout = 5000;
    // The highest record number there is.
    static constexpr int LastNumber = std::numeric_limits<int>::max();

private:
    [[noreturn]] void fail(const QString &what, int error) const;
    void requireOpen() const;
    void requireWritable() const;
    void readExactly(char *into, qint64 bytes, qint64 offset);
    void overwrite(int index, const QByteArray &buffer);

    QString m_path;
    int m_recordSize = 0;
    int m_fd = -1;
    int m_position = 0;
    // The position was the end of the file when it was set: a write there
    // appends, whatever the size has become since.
    bool m_atEnd = false;
    Mode m_mode = Mode::Write;
};
