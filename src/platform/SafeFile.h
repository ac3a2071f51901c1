#pragma once
// Replacing a file without ever losing it: the new contents go to a temporary
// file in the same folder, every write is checked, the data is flushed to disk
// and only then renamed over the old file. Until that rename the old file is
// untouched; on any failure the temporary file is removed and the old one
// stays byte for byte. Every file the program replaces or copies goes through
// here: the password file, the exports, the daily backups, the attachments.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>
#include <stdexcept>

class SafeFileError : public std::runtime_error {
public:
    // What the user can be told about a failure.
    enum class Reason { NoPermission, SourceUnreadable, NoSpace, Other };
    // A failure on path; the reason follows from the system's error.
    SafeFileError(const QString &path, const QString &what, int error);
    SafeFileError(const QString &path, const QString &what, int error, Reason reason);
    // A failure known by its reason and error only.
    SafeFileError(Reason reason, int error);
    int systemError() const { return m_error; }
    Reason reason() const { return m_reason; }
private:
    int m_error;
    Reason m_reason;
};

// A file opened for reading without ever blocking: a FIFO or a device in its
// place is opened and told apart at once, never waited on.
class SourceFile {
public:
    explicit SourceFile(const QString &path);
    ~SourceFile();
    SourceFile(const SourceFile &) = delete;
    SourceFile &operator=(const SourceFile &) = delete;

    const QString &path() const { return m_path; }
    // The system's error of the open, or of the look at what was opened;
    // 0 when both went well.
    int error() const { return m_error; }
    // The open itself went well.
    bool opened() const { return m_fd >= 0; }
    bool isFolder() const;
    bool isRegular() const;
    // The mode bits allow reading, whoever runs the program.
    bool isReadable() const;
    qint64 size() const;
    int descriptor() const { return m_fd; }

private:
    QString m_path;
    int m_fd = -1;
    int m_error = 0;
    unsigned m_mode = 0;
    qint64 m_size = 0;
};

// A write-only device over the temporary file. write() returns -1 on the first
// failure (a full disk, a file-size limit) and every later write fails too, so
// a writer that checks its writes stops at once; commit() refuses to replace
// the target after any failure.
class SafeFile : public QIODevice {
    Q_OBJECT
public:
    struct Options {
        // The temporary file is ".<temporaryStem>.<tag>.tmp" rather than
        // ".<target's name>.<tag>.tmp": for targets whose names may already
        // be as long as the system allows.
        QString temporaryStem;
        // Only commitNew() places the file: nothing already there is ever
        // replaced, so create() looks at the folder only.
        bool neverReplace = false;
    };
    // Whether a copy keeps the source's holes.
    enum class Holes { Filled, Kept };

    explicit SafeFile(const QString &target, QObject *parent = nullptr);
    SafeFile(const QString &target, const Options &options, QObject *parent = nullptr);
    ~SafeFile() override; // discards unless committed

    // Creates the temporary file. A target marked read-only, or a folder marked
    // read-only, is refused even for an administrator, as everywhere else in
    // the program. Throws SafeFileError.
    void create();
    // Flushes to disk, checks that the file holds as many bytes as were
    // written, then renames it over the target (keeping the target's
    // permissions). Throws SafeFileError; the target is then unchanged.
    void commit();
    // The same, but under target only when nothing has that name: false when
    // something has, and the file waits for another name.
    bool commitNew(const QString &target);
    void discard();

    // Goes on bytes further, leaving zeros there that take no room on disk
    // where the file system keeps holes. False when it cannot (and every later
    // write fails, as after a failed write).
    bool skip(qint64 bytes);

    // Writes what source holds: up to its end, or, keeping its holes as holes,
    // up to the size it had when opened (a file cut short meanwhile is copied
    // as far as it goes). Throws SafeFileError, with the reason
    // SourceUnreadable when source cannot be read; the copy is discarded then.
    void copyFrom(const SourceFile &source, Holes holes = Holes::Filled);

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

    // Creates the folder at path and any folder missing above it. A folder
    // marked read-only gets no new folder, even from an administrator. Throws
    // SafeFileError.
    static void makeFolder(const QString &path);

    // The hidden name of a file being written (".<target>.<random>.tmp"),
    // left behind only when the program was stopped in the middle.
    static bool isTemporaryName(const QString &fileName);
    // The same, for the files written under Options::temporaryStem stem.
    static bool isTemporaryNameOf(const QString &fileName, const QString &stem);

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
    // Up to the rename: everything on disk, as long as expected (and equal to
    // it when given), the descriptor closed.
    void finish(const QByteArray *expected);
    // The rename done: the folder keeps it.
    void placed();
    // The bytes of source from offset to end; false when the file ends first.
    bool copyRange(const SourceFile &source, qint64 offset, qint64 end);

    QString m_target;
    Options m_options;
    QByteArray m_tempPath;
    int m_fd = -1;
    int m_error = 0;
    qint64 m_written = 0;
    // The file ends in a hole not yet given its length.
    bool m_endsInHole = false;
    // finish() is done: only a rename is left.
    bool m_finished = false;
};
