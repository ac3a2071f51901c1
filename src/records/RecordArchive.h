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
#include <utility>

// What every archive call throws when the file cannot be opened, read or written.
using ArchiveError = RecordFileError;

enum class BrowseStep { First, Previous, Next, Last };

// How far a reading of a whole archive got.
enum class ReadOutcome {
    Complete,  // every record was read
    Partial,   // a read failed midway: what was read before it is kept
    NotOpened, // the file could not be opened (or created): nothing was read
};

// What a reader of a whole archive hands back: the rows it made, how many
// records it read, and how far it got. An archive that cannot be read is an
// answer, not an exception: each window decides what it shows of it.
template <typename Rows>
struct ArchiveRead {
    Rows rows {};
    int records = 0;
    ReadOutcome outcome = ReadOutcome::Complete;

    bool complete() const { return outcome == ReadOutcome::Complete; }
};

namespace ArchiveFiles {
// Counts are 64 bits, as file lengths are: an archive of more records than a
// record number reaches (RecordFile::LastNumber) is still counted as it is;
// its records past the last number are neither read nor shown.
qint64 count(const QString &path, int recordSize);
QByteArray read(const QString &path, int recordSize, int number);
struct Scanned {
    int records = 0; // how many were handed to use
    ReadOutcome outcome = ReadOutcome::Complete;
};
// One pass from the first record to the last in large reads; use gets each
// record's bytes and its 1-based number. A file that cannot be opened or read
// to the end throws nothing: the answer says how far the pass got.
Scanned scan(const QString &path, int recordSize, const std::function<void(const char *bytes, int number)> &use);
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

    // Every record's bytes in file order, each handed with its 1-based number
    // to use(rows, bytes, number), which adds to rows what it makes of it. A
    // reader decodes only the fields it tests (Record::layout().field(...)),
    // and a whole record only for what it keeps. The rows made before a failed
    // read are kept in the answer.
    template <typename Rows, typename Use>
    static ArchiveRead<Rows> read(Rows rows, Use &&use)
    {
        ArchiveRead<Rows> answer {std::move(rows)};
        const ArchiveFiles::Scanned scanned =
            ArchiveFiles::scan(path(), Record::Size,
                               [&](const char *bytes, int number) { use(answer.rows, bytes, number); });
        answer.records = scanned.records;
        answer.outcome = scanned.outcome;
        return answer;
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
