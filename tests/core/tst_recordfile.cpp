// The record file: counting whole records, reading, overwriting, appending, and
// the failures that must never cost the user an existing archive.
#include "WriteFailure.h"

#include "records/ArchiveMessages.h"
#include "records/PaymentRecord.h"
#include "LockHolder.h"
#include "records/RecordArchive.h"
#include "records/RecordFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray recordOf(char fill) { return QByteArray(PaymentRecord::Size, fill); }

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A record that says who wrote it: the writer's tag and a serial number.
QByteArray taggedRecord(char tag, int serial)
{
    QByteArray r(PaymentRecord::Size, tag);
    const QByteArray n = QByteArray::number(serial);
    std::copy(n.begin(), n.end(), r.begin() + 1);
    r[int(n.size()) + 1] = ':';
    return r;
}

// Runs work in a child process; true when it returned true there.
bool inChild(const std::function<bool()> &work)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        bool ok = false;
        try {
            ok = work();
        } catch (...) {
        }
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Starts work in a child process without waiting for it.
pid_t startChild(const std::function<bool()> &work)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        bool ok = false;
        try {
            ok = work();
        } catch (...) {
        }
        ::_exit(ok ? 0 : 1);
    }
    return pid;
}

bool childSucceeded(pid_t pid)
{
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
}

class TestRecordFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("Archivio_Appuntamenti.pro")); }

private slots:
    void cleanup()
    {
        RecordFile::setLockTimeout(-1);
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(path());
        QDir(m_dir.path()).rmdir(QStringLiteral("Archivio_Appuntamenti.pro"));
        ::chmod(QFile::encodeName(m_dir.path()).constData(), 0700);
    }

    void absentFileIsCreatedEmpty()
    {
        RecordFile f(path(), PaymentRecord::Size);
        QCOMPARE(f.size(), 0);
        QVERIFY(f.eof());
        f.close();
        QVERIFY(QFile::exists(path()));
        QCOMPARE(QFileInfo(path()).size(), 0);
    }

    void partialRecordIsIgnoredAndOverwrittenByAppend()
    {
        writeBytes(path(), recordOf('a') + recordOf('b') + QByteArray(100, 'z'));
        RecordFile f(path(), PaymentRecord::Size);
        QCOMPARE(f.size(), 2);
        QByteArray buffer;
        f.read(buffer);
        QCOMPARE(buffer, recordOf('a'));
        f.read(buffer);
        QCOMPARE(buffer, recordOf('b'));
        QVERIFY(f.eof());
        QVERIFY_THROWS_EXCEPTION(RecordFileError, f.read(buffer));

        f.seek(f.size());
        f.write(recordOf('c'));
        QCOMPARE(f.position(), 3);
        f.close();
        const QByteArray all = readBytes(path());
        QCOMPARE(all.size(), 3 * PaymentRecord::Size);
        QCOMPARE(all.mid(2 * PaymentRecord::Size), recordOf('c'));
    }

    void overwriteInPlace()
    {
        writeBytes(path(), recordOf('a') + recordOf('b') + recordOf('c'));
        RecordFile f(path(), PaymentRecord::Size);
        f.seek(1);
        f.write(recordOf('x'));
        QCOMPARE(f.position(), 2);
        QCOMPARE(f.size(), 3);
        f.close();
        QCOMPARE(readBytes(path()), recordOf('a') + recordOf('x') + recordOf('c'));
    }

    void appendGivesTheNextNumber()
    {
        writeBytes(path(), recordOf('a'));
        RecordFile f(path(), PaymentRecord::Size);
        QCOMPARE(f.append(recordOf('b')), 2);
        QCOMPARE(f.append(recordOf('c')), 3);
        QCOMPARE(f.size(), 3);
    }

    // An archive of more records than an int counts (about 2.7 TB of
    // payments): counted as it is, never as a negative number or as empty; its
    // records past the last number are neither shown nor added to.
    void countPastTheIntRange()
    {
        const qint64 records = (qint64(1) << 31) + 5;
        const qint64 length = records * PaymentRecord::Size + 100;
        struct rlimit limit;
        if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
            && qint64(limit.rlim_cur) < length)
            QSKIP("a file-size limit below the test's file");
        {
            QFile f(path());
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (!f.resize(length))
                QSKIP("this file system refuses a sparse file that large");
        }
        RecordFile file(path(), PaymentRecord::Size, RecordFile::Mode::Read);
        QCOMPARE(file.size(), records);
        file.close();
        QCOMPARE(ArchiveFiles::count(path(), PaymentRecord::Size), records);

        // Browsing ends at the last record number, the file's record there.
        qint64 count = 0;
        QByteArray bytes;
        QCOMPARE(ArchiveFiles::browse(path(), PaymentRecord::Size, BrowseStep::Last, 0, count, bytes),
                 RecordFile::LastNumber);
        QCOMPARE(count, records);
        QCOMPARE(bytes, QByteArray(PaymentRecord::Size, '\0'));
        QCOMPARE(ArchiveFiles::browseTarget(BrowseStep::Next, RecordFile::LastNumber, count), 0);
        QCOMPARE(ArchiveFiles::browseTarget(BrowseStep::Next, RecordFile::LastNumber - 1, count),
                 RecordFile::LastNumber);

        // No record is added that no number could name; the file stays as it was.
        RecordFile writer(path(), PaymentRecord::Size);
        QVERIFY_THROWS_EXCEPTION(RecordFileError, writer.append(recordOf('x')));
        writer.close();
        QCOMPARE(QFileInfo(path()).size(), length);
        QFile::remove(path());
    }

    void seekOutsideIsAnError()
    {
        RecordFile f(path(), PaymentRecord::Size);
        QVERIFY_THROWS_EXCEPTION(RecordFileError, f.seek(1));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, f.seek(-1));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, f.write(QByteArray(10, 'x')));
    }

    void readOnlyFileIsLeftAlone()
    {
        const QByteArray before = recordOf('a');
        writeBytes(path(), before);
        QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        try {
            RecordFile f(path(), PaymentRecord::Size);
            QFAIL("a read-only archive was opened for writing");
        } catch (const RecordFileError &e) {
            QVERIFY(QString::fromLocal8Bit(e.what()).contains(path()));
        }
        QCOMPARE(readBytes(path()), before);
    }

    void readOnlyFolderCannotCreate()
    {
        QVERIFY(::chmod(QFile::encodeName(m_dir.path()).constData(), 0500) == 0);
        QVERIFY_THROWS_EXCEPTION(RecordFileError, RecordFile(path(), PaymentRecord::Size));
        QVERIFY(!QFile::exists(path()));
    }

    void notARegularFileIsRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<RecordFile::Mode>("mode");
        for (const auto &[name, mode] :
             {std::pair {"read", RecordFile::Mode::Read}, std::pair {"write", RecordFile::Mode::Write}}) {
            QTest::addRow("folder, %s", name) << "folder" << mode;
            QTest::addRow("FIFO, %s", name) << "fifo" << mode;
        }
    }
    void notARegularFileIsRefusedAtOnce()
    {
        QFETCH(QString, kind);
        QFETCH(RecordFile::Mode, mode);
        const QByteArray native = QFile::encodeName(path());
        QVERIFY(kind == QLatin1String("folder") ? ::mkdir(native.constData(), 0755) == 0
                                                : ::mkfifo(native.constData(), 0644) == 0);
        // A FIFO with no writer would block an ordinary open for ever; should
        // that ever happen again, the alarm ends the test instead of hanging it.
        ::alarm(30);
        QVERIFY_THROWS_EXCEPTION(RecordFileError, RecordFile(path(), PaymentRecord::Size, mode));
        ::alarm(0);
        QVERIFY(kind == QLatin1String("folder") ? QFileInfo(path()).isDir() : !QFileInfo(path()).isFile());
        ::unlink(native.constData());
    }

    void readOnlyArchiveIsRead()
    {
        const QByteArray before = recordOf('a') + recordOf('b');
        writeBytes(path(), before);
        QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        RecordFile f(path(), PaymentRecord::Size, RecordFile::Mode::Read);
        QCOMPARE(f.mode(), RecordFile::Mode::Read);
        QCOMPARE(f.size(), 2);
        QByteArray buffer;
        f.read(buffer);
        QCOMPARE(buffer, recordOf('a'));
        // Reading only: nothing can be written through it.
        QVERIFY_THROWS_EXCEPTION(RecordFileError, f.write(recordOf('x')));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, f.append(recordOf('x')));
        f.close();
        QCOMPARE(readBytes(path()), before);
    }

    void readerCreatesAnAbsentFile()
    {
        RecordFile f(path(), PaymentRecord::Size, RecordFile::Mode::Read);
        QCOMPARE(f.size(), 0);
        QVERIFY(f.eof());
        QVERIFY(QFileInfo(path()).isFile());
        QCOMPARE(QFileInfo(path()).size(), 0);
    }

    void unreadableArchiveIsAnError()
    {
        const QByteArray before = recordOf('a');
        writeBytes(path(), before);
        // No read bits at all: refused even for an administrator.
        QVERIFY(QFile::setPermissions(path(), QFile::WriteOwner));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, RecordFile(path(), PaymentRecord::Size, RecordFile::Mode::Read));
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(readBytes(path()), before);
    }

    void blockRead()
    {
        writeBytes(path(), recordOf('a') + recordOf('b') + recordOf('c') + QByteArray(10, 'z'));
        RecordFile f(path(), PaymentRecord::Size, RecordFile::Mode::Read);
        QByteArray buffer;
        QCOMPARE(f.readBlock(1, 5, buffer), 2);
        QCOMPARE(buffer, recordOf('b') + recordOf('c'));
        QCOMPARE(f.position(), 3);
        QVERIFY(f.eof());
        QCOMPARE(f.readBlock(0, 1, buffer), 1);
        QCOMPARE(buffer, recordOf('a'));
        QCOMPARE(f.readBlock(3, 4, buffer), 0);
        QVERIFY(buffer.isEmpty());
        QVERIFY_THROWS_EXCEPTION(RecordFileError, f.readBlock(4, 1, buffer));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, f.readBlock(-1, 1, buffer));
        QCOMPARE(f.readAll(), recordOf('a') + recordOf('b') + recordOf('c'));
    }

    void lockHeldByAnotherCopyFailsTheAppend()
    {
        const QByteArray before = recordOf('a');
        writeBytes(path(), before);
        QCOMPARE(RecordFile::lockTimeout(), 5000);
        LockHolder other(path());
        QVERIFY(other.locked());
        RecordFile::setLockTimeout(300);
        RecordFile f(path(), PaymentRecord::Size);
        QElapsedTimer waited;
        waited.start();
        try {
            f.append(recordOf('b'));
            QFAIL("the append went through another copy's lock");
        } catch (const RecordFileError &e) {
            QVERIFY(e.isBusy());
            QCOMPARE(e.kind(), RecordFileError::Kind::Busy);
        }
        // It gave up rather than waiting for ever.
        QVERIFY(waited.elapsed() < 60000);
        // A write at the end goes through the same lock.
        f.seek(f.size());
        try {
            f.write(recordOf('c'));
            QFAIL("the write at the end went through another copy's lock");
        } catch (const RecordFileError &e) {
            QVERIFY(e.isBusy());
        }
        // An overwrite adds nothing and needs no lock.
        f.seek(0);
        f.write(recordOf('d'));
        other.release();
        QCOMPARE(readBytes(path()), recordOf('d'));
        // Once the other copy is done, saving works again.
        QCOMPARE(f.append(recordOf('e')), 2);
        QVERIFY(ArchiveMessages::inUse().startsWith(QStringLiteral("Attenzione: l'archivio è in uso")));
    }

    void lockReleasedInTimeLetsTheAppendThrough()
    {
        writeBytes(path(), recordOf('a'));
        const QByteArray native = QFile::encodeName(path());
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        // Another copy that finishes its own save a moment later.
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int fd = ::open(native.constData(), O_RDWR);
            char c = fd >= 0 && ::flock(fd, LOCK_EX) == 0;
            if (::write(ready[1], &c, 1) != 1)
                ::_exit(1);
            ::usleep(200 * 1000);
            ::_exit(0);
        }
        ::close(ready[1]);
        char c = 0;
        QCOMPARE(::read(ready[0], &c, 1), 1);
        ::close(ready[0]);
        QCOMPARE(c, char(1));
        RecordFile f(path(), PaymentRecord::Size);
        QCOMPARE(f.append(recordOf('b')), 2);
        ::waitpid(pid, nullptr, 0);
        QCOMPARE(readBytes(path()), recordOf('a') + recordOf('b'));
    }

    void failedAppendRestoresTheLength_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<qint64>("room");
        const QByteArray two = recordOf('a') + recordOf('b');
        QTest::newRow("part of the record fits") << two << qint64(700);
        QTest::newRow("no room at all") << two << qint64(0);
        QTest::newRow("after trailing bytes") << two + QByteArray(100, 'z') << qint64(300);
        QTest::newRow("empty file") << QByteArray() << qint64(1264);
    }
    void failedAppendRestoresTheLength()
    {
        QFETCH(QByteArray, before);
        QFETCH(qint64, room);
        writeBytes(path(), before);
        RecordFile f(path(), PaymentRecord::Size);
        {
            const qint64 fromRecordStart = qint64(before.size() / PaymentRecord::Size) * PaymentRecord::Size;
            FileSizeLimit limit(fromRecordStart + room);
            QVERIFY(limit.active());
            QVERIFY_THROWS_EXCEPTION(RecordFileError, f.append(recordOf('c')));
            QVERIFY_THROWS_EXCEPTION(RecordFileError, (f.seek(f.size()), f.write(recordOf('c'))));
        }
        QCOMPARE(QFileInfo(path()).size(), before.size());
        QCOMPARE(f.size(), before.size() / PaymentRecord::Size);
        if (before.size() % PaymentRecord::Size == 0)
            QCOMPARE(readBytes(path()), before);
        else
            QCOMPARE(readBytes(path()).left(2 * PaymentRecord::Size), before.left(2 * PaymentRecord::Size));
        // With room again, the record lands where it should.
        QCOMPARE(f.append(recordOf('c')), before.size() / PaymentRecord::Size + 1);
    }

    void failedOverwriteLeavesTheFileAsItWas()
    {
        const QByteArray before = recordOf('a') + recordOf('b') + recordOf('c');
        writeBytes(path(), before);
        RecordFile f(path(), PaymentRecord::Size);
        {
            // The third record straddles the limit: its write stops halfway.
            FileSizeLimit limit(2 * PaymentRecord::Size + 100);
            QVERIFY(limit.active());
            f.seek(2);
            QVERIFY_THROWS_EXCEPTION(RecordFileError, f.write(recordOf('x')));
        }
        QCOMPARE(readBytes(path()), before);
        QCOMPARE(f.size(), 3);
    }

    void writeAtTheEndNeverOverwritesAnotherCopysRecord()
    {
        writeBytes(path(), recordOf('a'));
        RecordFile mine(path(), PaymentRecord::Size);
        mine.seek(mine.size());
        // Another copy appends between our seek and our write.
        const QString file = path();
        QVERIFY(inChild([file] {
            RecordFile other(file, PaymentRecord::Size);
            return other.append(recordOf('b')) == 2;
        }));
        mine.write(recordOf('c'));
        QCOMPARE(mine.position(), 3);
        QCOMPARE(readBytes(path()), recordOf('a') + recordOf('b') + recordOf('c'));
    }

    void threeCopiesSavingAtOnceLoseNothing()
    {
        // Two copies append, one writes "at the end" through seek and write,
        // all at the same time; every record must arrive whole, once.
        constexpr int each = 60;
        const QString file = path();
        RecordFile(file, PaymentRecord::Size).close();
        QVector<pid_t> children;
        for (char tag : {'A', 'B', 'S'})
            children << startChild([file, tag] {
                for (int i = 0; i < each; ++i) {
                    RecordFile f(file, PaymentRecord::Size);
                    if (tag == 'S') {
                        f.seek(f.size());
                        f.write(taggedRecord(tag, i));
                    } else {
                        f.append(taggedRecord(tag, i));
                    }
                }
                return true;
            });
        for (pid_t pid : children)
            QVERIFY(childSucceeded(pid));
        const QByteArray all = readBytes(path());
        QCOMPARE(all.size(), 3 * each * PaymentRecord::Size);
        QSet<QByteArray> seen;
        for (int r = 0; r < 3 * each; ++r) {
            const QByteArray record = all.mid(r * PaymentRecord::Size, PaymentRecord::Size);
            const int colon = int(record.indexOf(':'));
            QVERIFY(colon > 1);
            const int serial = record.mid(1, colon - 1).toInt();
            QCOMPARE(record, taggedRecord(record[0], serial));
            seen.insert(record.left(colon));
        }
        QCOMPARE(seen.size(), 3 * each);
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
