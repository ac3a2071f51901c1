#pragma once
// A file of fixed-size records with no header. Every operation throws
// RecordFileError on failure; the file is released by the destructor too, so an
// exception in the middle of an action never leaves it open.

#include <QByteArray>
#include <QString>

#include <stdexcept>

class RecordFileError : public std::runtime_error {
public:
    RecordFileError(const QString &path, const QString &what, int error);
    int systemError() const { return m_error; }
private:
    int m_error;
};

class RecordFile {
public:
    RecordFile() = default;
    RecordFile(const QString &path, int recordSize) { openOrCreate(path, recordSize); }
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Opens the existing file for reading and writing, or creates it empty when it
    // does not exist. An existing file that cannot be opened is never replaced.
    void openOrCreate(const QString &path, int recordSize);
    bool isOpen() const { return m_fd >= 0; }

    // Whole records only; trailing bytes of a partial record are never read.
    int size() const;
    int position() const { return m_position; }
    void seek(int index);
    // Reads the record at the position into buffer (resized to the record size).
    void read(QByteArray &buffer);
    // Overwrites the record at the position, or appends when the position is the
    // size; one write of the whole record, flushed to disk before returning.
    void write(const QByteArray &buffer);
    // Appends under an exclusive advisory lock so that two copies of the program
    // never land on the same record. Returns the new record's 1-based number.
    int append(const QByteArray &buffer);
    bool eof() const { return m_position >= size(); }
    void close();

    // The whole file in one read (benchmarks and bulk readers).
    QByteArray readAll();
    // `count` records from record index `index` into buffer, in one read;
    // the position moves past them.
    void readBlock(int index, int count, QByteArray &buffer);

    const QString &path() const { return m_path; }
    int recordSize() const { return m_recordSize; }

private:
    [[noreturn]] void fail(const QString &what, int error) const;
    void writeAt(int index, const QByteArray &buffer);

    QString m_path;
    int m_recordSize = 0;
    int m_fd = -1;
    int m_position = 0;
};
