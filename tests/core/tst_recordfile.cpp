// The record file: counting whole records, reading, overwriting, appending, and
// the failures that must never cost the user an existing archive.
#include "records/PaymentRecord.h"
#include "records/RecordFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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
}

class TestRecordFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("Archivio_Appuntamenti.pro")); }

private slots:
    void cleanup()
    {
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(path());
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

    void folderInsteadOfFile()
    {
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Archivio_Appuntamenti.pro")));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, RecordFile(path(), PaymentRecord::Size));
        QDir(m_dir.path()).rmdir(QStringLiteral("Archivio_Appuntamenti.pro"));
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
