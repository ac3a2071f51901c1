#pragma once
// The record files beside the program, one archive for both: count, read one
// record, read every record in order, save over a record or at the end, and
// where the editors' browsing commands go. Windows and logic reach the files
// only through here; each call opens the file, works and closes it, so no
// file stays open between two actions of the user.

#include "platform/Services.h"
#include "records/ContactRecord.h"
#include "records/PaymentRecord.h"
#include "records/RecordFile.h"

#include <functional>

// What every archive call throws when the file cannot be opened, read or written.
using ArchiveError = RecordFileError;

enum class BrowseStep { First, Previous, Next, Last };

namespace ArchiveFiles {
// Counts are 64 bits, as file lengths are: an archive of more records than a
// record number reaches (RecordFile::LastNumber) is still counted as it is;
// its records past the last number are neither read nor shown.
qint64 count(const QString &path, int recordSize);
QByteArray read(const QString &path, int recordSize, int number);
// One pass from the first record to the last in large reads; use gets each
// record's bytes and its 1-based number. Returns how many records there were.
// opened, when given, tells a failure to open the file from one in the middle.
qint64 scan(const QString &path, int recordSize, const std::function<void(const char *bytes, int number)> &use,
            bool *opened = nullptr);
int save(const QString &path, const QByteArray &bytes, int number);
// Opens the file for writing (creating it when absent) and closes it again.
void openForWriting(const QString &path, int recordSize);
// The record (1-based) a browsing command shows when the card holds record
// `current` (0 for one not yet saved) in an archive of `count` records; 0 when
// the command shows nothing.
int browseTarget(BrowseStep step, int current, qint64 count);
// Counts and reads the target record in one opening; returns the target, 0
// when the step shows nothing (bytes then stay empty).
int browse(const QString &path, int recordSize, BrowseStep step, int current, qint64 &count, QByteArray &bytes);
}

template <typename Record>
class RecordArchive {
public:
    using Step = BrowseStep;

    static QString path() { return Services::programFile(QString::fromLatin1(Record::FileName)); }

    // The number of whole records; an absent file is created empty.
    static qint64 count() { return ArchiveFiles::count(path(), Record::Size); }

    // Record `number` (1-based); throws ArchiveError also when there is none.
    static Record read(int number) { return Record::decode(ArchiveFiles::read(path(), Record::Size, number)); }

    // Every record's bytes in file order: a scan decodes only the fields it
    // tests (Record::layout().field(...).read(bytes)), and a whole record only
    // for what it keeps.
    static qint64 forEach(const std::function<void(const char *bytes, int number)> &use, bool *opened = nullptr)
    {
        return ArchiveFiles::scan(path(), Record::Size, use, opened);
    }

    // Every record decoded, in file order.
    static qint64 forEachRecord(const std::function<void(const Record &record, int number)> &use)
    {
        return forEach([&use](const char *bytes, int number) { use(Record::decode(bytes), number); });
    }

    // Writes the record over record `number`, or appends it when number is 0
    // (under an exclusive lock, so two copies of the program never share a
    // record); one flushed write of the whole record. Returns its number.
    static int save(const Record &record, int number) { return ArchiveFiles::save(path(), record.encode(), number); }

    // Throws ArchiveError unless the file can be written: the check before a
    // card that will be saved as new (a duplicate).
    static void checkWritable() { ArchiveFiles::openForWriting(path(), Record::Size); }

    static int browseTarget(Step step, int current, qint64 count)
    {
        return ArchiveFiles::browseTarget(step, current, count);
    }

    // What a browsing command finds: the archive's size and, unless target is
    // 0, the record it shows. One opening of the file.
    struct Browsed {
        qint64 count = 0;
        int target = 0;
        Record record;
    };
    static Browsed browse(Step step, int current)
    {
        Browsed found;
        QByteArray bytes;
        found.target = ArchiveFiles::browse(path(), Record::Size, step, current, found.count, bytes);
        if (found.target > 0)
            found.record = Record::decode(bytes);
        return found;
    }
};

using PaymentArchive = RecordArchive<PaymentRecord>;
using ContactArchive = RecordArchive<ContactRecord>;
