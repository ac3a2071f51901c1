#pragma once
// Replacing a file without ever losing it: the new contents go to a temporary
// file in the same folder, every write is checked, the data is flushed to disk
// and only then renamed over the old file. Until that rename the old file is
// untouched; on any failure the temporary file is removed and the old one
// stays byte for byte.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>
#include <stdexcept>

class SafeFileError : public std::runtime_error {
public:
    SafeFileError(const QString &path, const QString &what, int error);
    int systemError() const { return m_error; }
private:
    int m_error;
};

// A write-only device over the temporary file. write() returns -1 on the first
// failure (a full disk, a file-size limit) and every later write fails too, so
// a writer that checks its writes stops at once; commit() refuses to replace
// the target after any failure.
class SafeFile : public QIODevice {
    Q_OBJECT
public:
    explicit SafeFile(const QString &target, QObject *parent = nullptr);
    ~SafeFile() override; // discards unless committed

    // Creates the temporary file. A target marked read-only, or a folder marked
    // read-only, is refused even for an administrator, as everywhere else in
    // the program. Throws SafeFileError.
    void create();
    // Flushes to disk, checks that the file holds as many bytes as were
    // written, then renames it over the target (keeping the target's
    // permissions). Throws SafeFileError; the target is then unchanged.
    void commit();
    void discard();

    // Goes on bytes further, leaving zeros there that take no room on disk
    // where the file system keeps holes. False when it cannot (and every later
    // write fails, as after a failed write).
    bool skip(qint64 bytes);

    const QString &target() const { return m_target; }
    qint64 written() const { return m_written; }
    bool isSequential() const override { return true; }

    // Writes bytes as the whole new contents of target, reading them back
    // before the rename. Throws SafeFileError.
    static void replace(const QString &target, const QByteArray &bytes);

    // Reads a small regular file whole without ever blocking (a FIFO or device
    // in its place is refused at once). Nothing when the file does not exist.
    // Throws SafeFileError when it is not a regular file, is larger than
    // maxBytes, or cannot be read.
    static std::optional<QByteArray> readRegular(const QString &path, qint64 maxBytes);

    // The hidden name of a file being written (".<target>.<random>.tmp"),
    // left behind only when the program was stopped in the middle.
    static bool isTemporaryName(const QString &fileName);

    // A file-size limit (ulimit -f) would otherwise kill the process with
    // SIGXFSZ; ignored, it is an ordinary write error. Called once at start-up.
    static void ignoreFileSizeSignal();

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    [[noreturn]] void fail(const QString &what, int error);
    // commit(), reading the temporary file back first when expected is given.
    void commitChecked(const QByteArray *expected);

    QString m_target;
    QByteArray m_tempPath;
    int m_fd = -1;
    int m_error = 0;
    qint64 m_written = 0;
    // The file ends in a hole not yet given its length.
    bool m_endsInHole = false;
};
