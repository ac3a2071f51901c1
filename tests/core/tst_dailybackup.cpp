// The daily copies of the record files in the Backup folder: one before the
// first save of each day, the last ten kept, and a failure that never stops
// the save.
#include "WriteFailure.h"

#include "platform/Services.h"
#include "records/DailyBackup.h"
#include "records/PaymentRecord.h"
#include "records/RecordFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestDailyBackup : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FixedClock> m_clock;

    QString archive() const { return Services::programFile(QStringLiteral("Archivio_Appuntamenti.pro")); }
    QString contacts() const { return Services::programFile(QStringLiteral("Anagrafica.pro")); }
    QString backupFolder() const { return Services::programFile(QStringLiteral("Backup")); }
    QStringList copies() const
    {
        return QDir(backupFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    void writeBytes(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QByteArray readBytes(const QString &path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A file of size bytes that holds data only in its first and last record.
    bool writeSparse(const QString &path, qint64 size)
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || !f.resize(size))
            return false;
        f.seek(0);
        f.write(QByteArray(PaymentRecord::Size, 'f'));
        f.seek(size - PaymentRecord::Size);
        f.write(QByteArray(PaymentRecord::Size, 'l'));
        return f.flush();
    }
    static qint64 onDisk(const QString &path)
    {
        struct stat st;
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? qint64(st.st_blocks) * 512 : -1;
    }
    // A save as the editor does it: the copy first, whatever becomes of it.
    void save(char fill)
    {
        try {
            DailyBackup::beforeSave(archive());
        } catch (const DailyBackupError &) {
        }
        RecordFile(archive(), PaymentRecord::Size).append(QByteArray(PaymentRecord::Size, fill));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        Services::setProgramFolder(m_dir->path());
        m_clock = std::make_unique<FixedClock>(QDate(2026, 12, 10));
        Services::setClock(m_clock.get());
    }
    void cleanup()
    {
        Services::setFreeSpace({});
        ::chmod(QFile::encodeName(backupFolder()).constData(), 0700);
        ::chmod(QFile::encodeName(m_dir->path()).constData(), 0700);
        Services::setClock(nullptr);
        Services::setProgramFolder({});
        m_dir.reset();
    }

    void names()
    {
        QCOMPARE(DailyBackup::copyName(QStringLiteral("Archivio_Appuntamenti.pro"), QDate(2026, 12, 10)),
                 QStringLiteral("Archivio_Appuntamenti.2026-12-10.pro"));
        QCOMPARE(DailyBackup::copyName(QStringLiteral("Anagrafica.pro"), QDate(2027, 1, 2)),
                 QStringLiteral("Anagrafica.2027-01-02.pro"));
        QCOMPARE(DailyBackup::copyName(QStringLiteral("senza_estensione"), QDate(2027, 1, 2)),
                 QStringLiteral("senza_estensione.2027-01-02"));
        QCOMPARE(DailyBackup::folder(), Services::programFolder() + QStringLiteral("Backup/"));
    }

    void firstSaveOfTheDayCopiesTheFileAsItWas()
    {
        const QByteArray before(2 * PaymentRecord::Size, 'a');
        writeBytes(archive(), before);
        QCOMPARE(DailyBackup::beforeSave(archive()), DailyBackup::Outcome::Made);
        save('b');
        QCOMPARE(copies(), QStringList {QStringLiteral("Archivio_Appuntamenti.2026-12-10.pro")});
        const QString copy = backupFolder() + QStringLiteral("/Archivio_Appuntamenti.2026-12-10.pro");
        QCOMPARE(readBytes(copy), before);
        // Later saves that day copy nothing: the copy keeps the morning's file.
        QCOMPARE(DailyBackup::beforeSave(archive()), DailyBackup::Outcome::AlreadyMade);
        save('c');
        QCOMPARE(copies().size(), 1);
        QCOMPARE(readBytes(copy), before);
        // The next day's first save copies again.
        m_clock->set(QDate(2026, 12, 11));
        save('d');
        QCOMPARE(copies(), (QStringList {QStringLiteral("Archivio_Appuntamenti.2026-12-10.pro"),
                                         QStringLiteral("Archivio_Appuntamenti.2026-12-11.pro")}));
        QCOMPARE(readBytes(backupFolder() + QStringLiteral("/Archivio_Appuntamenti.2026-12-11.pro")),
                 before + QByteArray(PaymentRecord::Size, 'b') + QByteArray(PaymentRecord::Size, 'c'));
    }

    void nothingToCopy()
    {
        QCOMPARE(DailyBackup::beforeSave(archive()), DailyBackup::Outcome::NothingToCopy);
        writeBytes(archive(), QByteArray());
        QCOMPARE(DailyBackup::beforeSave(archive()), DailyBackup::Outcome::NothingToCopy);
        QVERIFY(!QFileInfo::exists(backupFolder()));
    }

    void theEleventhDayRemovesTheOldest()
    {
        writeBytes(contacts(), QByteArray(3831, 'k'));
        QCOMPARE(DailyBackup::beforeSave(contacts()), DailyBackup::Outcome::Made);
        writeBytes(archive(), QByteArray(PaymentRecord::Size, 'a'));
        const QDate first(2026, 12, 25);
        for (int day = 0; day < 11; ++day) {
            m_clock->set(first.addDays(day));
            save(char('b' + day));
        }
        QStringList expected;
        for (int day = 1; day < 11; ++day)
            expected << DailyBackup::copyName(QStringLiteral("Archivio_Appuntamenti.pro"), first.addDays(day));
        // The other file's copy is not counted with these, and stays.
        expected.prepend(QStringLiteral("Anagrafica.2026-12-10.pro"));
        QCOMPARE(copies(), expected);
        // The newest copy holds the file as it was before the eleventh save.
        QCOMPARE(readBytes(backupFolder() + QLatin1Char('/') + expected.last()).size(), 11 * PaymentRecord::Size);
    }

    void otherFilesInTheFolderAreLeftAlone()
    {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Backup")));
        writeBytes(backupFolder() + QStringLiteral("/Archivio_Appuntamenti.copia a mano.pro"), "mine");
        writeBytes(backupFolder() + QStringLiteral("/Archivio_Appuntamenti.2026-13-40.pro"), "not a date");
        writeBytes(archive(), QByteArray(PaymentRecord::Size, 'a'));
        for (int day = 0; day < 12; ++day) {
            m_clock->set(QDate(2027, 3, 1).addDays(day));
            QCOMPARE(DailyBackup::beforeSave(archive()), DailyBackup::Outcome::Made);
        }
        QCOMPARE(copies().size(), 12);
        QVERIFY(copies().contains(QStringLiteral("Archivio_Appuntamenti.copia a mano.pro")));
        QVERIFY(copies().contains(QStringLiteral("Archivio_Appuntamenti.2026-13-40.pro")));
    }

    // A clock once set years ahead left copies dated in the future: they stay,
    // and today's copy is kept beside them.
    void futureCopiesAreNeitherCountedNorRemoved()
    {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Backup")));
        QStringList future;
        for (int day = 1; day <= 10; ++day) {
            future << DailyBackup::copyName(QStringLiteral("Archivio_Appuntamenti.pro"), QDate(2099, 1, day));
            writeBytes(backupFolder() + QLatin1Char('/') + future.last(), "from 2099");
        }
        const QString tomorrow =
            DailyBackup::copyName(QStringLiteral("Archivio_Appuntamenti.pro"), QDate(2026, 12, 11));
        writeBytes(backupFolder() + QLatin1Char('/') + tomorrow, "from tomorrow");
        future.prepend(tomorrow);
        writeBytes(archive(), QByteArray(PaymentRecord::Size, 'a'));
        const QString today = DailyBackup::copyName(QStringLiteral("Archivio_Appuntamenti.pro"), QDate(2026, 12, 10));

        QCOMPARE(DailyBackup::beforeSave(archive()), DailyBackup::Outcome::Made);
        QCOMPARE(copies(), QStringList {today} + future);
        QCOMPARE(DailyBackup::futureCopies(archive()), future);
        QCOMPARE(DailyBackup::futureCopies(contacts()), QStringList());

        // Ten more days: still the last ten up to each day, and every later one.
        for (int day = 1; day <= 10; ++day) {
            m_clock->set(QDate(2026, 12, 10).addDays(day));
            save(char('b' + day));
        }
        QStringList expected;
        for (int day = 1; day <= 10; ++day)
            expected << DailyBackup::copyName(QStringLiteral("Archivio_Appuntamenti.pro"),
                                              QDate(2026, 12, 10).addDays(day));
        QCOMPARE(copies(), expected + future.mid(1));
        // The copy once in the future is today's now, and counted.
        QCOMPARE(readBytes(backupFolder() + QLatin1Char('/') + tomorrow), QByteArray("from tomorrow"));
        QCOMPARE(DailyBackup::futureCopies(archive()), future.mid(1));

        const QString warning =
            DailyBackup::futureCopiesWarning(QStringLiteral("Archivio_Appuntamenti.pro"), future.mid(1));
        QVERIFY2(warning.startsWith(QStringLiteral("Attenzione: nella cartella Backup ci sono copie di sicurezza "
                                                   "dell'archivio Archivio_Appuntamenti.pro con una data successiva")),
                 qPrintable(warning));
        for (const QString &name : future.mid(1))
            QVERIFY(warning.contains(name));
    }

    // A damaged or sparse file may claim more than the disk holds: it is not
    // copied unless it fits with room to spare.
    void copyOnlyWhenItFits_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<bool>("made");
        const qint64 size = qint64(PaymentRecord::Size) * 40000; // about 50 MB, nearly all hole
        QTest::newRow("fits with room to spare") << size + DailyBackup::SpareRoom << true;
        QTest::newRow("one byte short") << size + DailyBackup::SpareRoom - 1 << false;
        QTest::newRow("a full disk") << qint64(0) << false;
        QTest::newRow("free space unknown") << qint64(-1) << true;
    }
    void copyOnlyWhenItFits()
    {
        QFETCH(qint64, room);
        QFETCH(bool, made);
        const qint64 size = qint64(PaymentRecord::Size) * 40000;
        QVERIFY(writeSparse(archive(), size));
        QStringList asked;
        Services::setFreeSpace([&](const QString &folder) {
            asked << folder;
            return room;
        });
        if (made) {
            QCOMPARE(DailyBackup::beforeSave(archive()), DailyBackup::Outcome::Made);
            QCOMPARE(copies().size(), 1);
        } else {
            QVERIFY_THROWS_EXCEPTION(DailyBackupError, DailyBackup::beforeSave(archive()));
            QCOMPARE(copies(), QStringList());
        }
        QCOMPARE(asked, QStringList {DailyBackup::folder()});
        QCOMPARE(QFileInfo(archive()).size(), size);
    }

    void sparseFileIsCopiedWithItsHoles()
    {
        const qint64 size = qint64(PaymentRecord::Size) * 40000; // about 50 MB
        QVERIFY(writeSparse(archive(), size));
        if (onDisk(archive()) > 4 << 20)
            QSKIP("this file system keeps no holes");
        QCOMPARE(DailyBackup::beforeSave(archive()), DailyBackup::Outcome::Made);
        const QString copy = backupFolder() + QLatin1Char('/') + copies().value(0);
        QVERIFY2(onDisk(copy) < 4 << 20, qPrintable(QString::number(onDisk(copy))));
        // Byte for byte the same, holes read as zeros.
        QVERIFY(readBytes(copy) == readBytes(archive()));
    }

    void failureNeverStopsTheSave_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("backup folder read-only") << "read-only folder";
        QTest::newRow("program folder read-only") << "read-only program folder";
        QTest::newRow("a file named Backup") << "file";
        QTest::newRow("file-size limit") << "size limit";
    }
    void failureNeverStopsTheSave()
    {
        QFETCH(QString, fault);
        const QByteArray before(3 * PaymentRecord::Size, 'a');
        writeBytes(archive(), before);
        if (fault == QLatin1String("read-only folder")) {
            QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Backup")));
            QVERIFY(::chmod(QFile::encodeName(backupFolder()).constData(), 0500) == 0);
        } else if (fault == QLatin1String("read-only program folder")) {
            QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0500) == 0);
        } else if (fault == QLatin1String("file")) {
            writeBytes(backupFolder(), "in the way");
        }
        {
            // The copy fails halfway; the record file itself has room to grow.
            FileSizeLimit limit(fault == QLatin1String("size limit") ? qint64(before.size() - 100) : qint64(1) << 40);
            QVERIFY(limit.active());
            QVERIFY_THROWS_EXCEPTION(DailyBackupError, DailyBackup::beforeSave(archive()));
        }
        ::chmod(QFile::encodeName(m_dir->path()).constData(), 0700);
        // Nothing half-made is left behind, and the archive is untouched.
        if (QFileInfo(backupFolder()).isDir())
            QCOMPARE(copies(), QStringList());
        QCOMPARE(readBytes(archive()), before);
        // The save goes on.
        save('b');
        QCOMPARE(readBytes(archive()), before + QByteArray(PaymentRecord::Size, 'b'));
        QVERIFY(DailyBackup::failureWarning().startsWith(
            QStringLiteral("Attenzione: non è stato possibile creare la copia")));
    }
};

QTEST_GUILESS_MAIN(TestDailyBackup)
#include "tst_dailybackup.moc"
