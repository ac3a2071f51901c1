#include "records/RecordArchive.h"

#include <cerrno>

namespace {
// About a megabyte a read: few system calls, little memory.
int blockRecords(int recordSize) { return qMax(1, (1 << 20) / recordSize); }

void readNumber(RecordFile &file, int number, QByteArray &bytes)
{
    if (number < 1 || number > file.size())
        throw RecordFileError(file.path(), QStringLiteral("Scheda inesistente in"), ENOENT);
    file.seek(number - 1);
    file.read(bytes);
}
}

namespace ArchiveFiles {

// Readers open the file for reading only (creating it empty when absent), so a
// read-only archive is shown as it is; only save opens it for writing.
qint64 count(const QString &path, int recordSize)
{
    RecordFile file(path, recordSize, RecordFile::Mode::Read);
    return file.size();
}

QByteArray read(const QString &path, int recordSize, int number)
{
    RecordFile file(path, recordSize, RecordFile::Mode::Read);
    QByteArray bytes;
    readNumber(file, number, bytes);
    return bytes;
}

Scanned scan(const QString &path, int recordSize, const std::function<void(const char *, int)> &use)
{
    Scanned scanned;
    RecordFile file;
    try {
        file.openOrCreate(path, recordSize, RecordFile::Mode::Read);
    } catch (const RecordFileError &) {
        scanned.outcome = ReadOutcome::NotOpened;
        return scanned;
    }
    try {
        // Records past the last number are never read (no number names them).
        const int numbered = int(qMin<qint64>(file.size(), RecordFile::LastNumber));
        const int block = blockRecords(recordSize);
        QByteArray buffer;
        for (int first = 0; first < numbered;) {
            const int n = qMin(block, numbered - first);
            file.readBlock(first, n, buffer);
            const char *bytes = buffer.constData();
            for (int i = 0; i < n; ++i) {
                use(bytes + qsizetype(i) * recordSize, first + i + 1);
                ++scanned.records;
            }
            first += n; // never past the last number, so never past the int range
        }
    } catch (const RecordFileError &) {
        scanned.outcome = ReadOutcome::Partial;
    }
    return scanned;
}

int save(const QString &path, const QByteArray &bytes, int number)
{
    RecordFile file(path, int(bytes.size()));
    if (number == 0)
        return file.append(bytes);
    file.seek(number - 1);
    file.write(bytes);
    return file.position();
}

void openForWriting(const QString &path, int recordSize) { RecordFile file(path, recordSize, RecordFile::Mode::Write); }

int browseTarget(BrowseStep step, int current, qint64 count)
{
    if (count <= 0)
        return 0;
    const int last = int(qMin<qint64>(count, RecordFile::LastNumber));
    switch (step) {
    case BrowseStep::First:
        return 1;
    case BrowseStep::Last:
        return last;
    case BrowseStep::Next:
        return current < last ? current + 1 : 0;
    case BrowseStep::Previous:
        return current == 0 ? 1 : current - 1;
    }
    return 0;
}

int browse(const QString &path, int recordSize, BrowseStep step, int current, qint64 &count, QByteArray &bytes)
{
    RecordFile file(path, recordSize, RecordFile::Mode::Read);
    count = file.size();
    const int target = browseTarget(step, current, count);
    if (target > 0)
        readNumber(file, target, bytes);
    return target;
}

}
