// The hidden temporary files that writes stopped in the middle leave behind:
// removed at start-up when they are the program's own and over an hour old,
// from the program folder, the attachments folder and the backup folder. The
// leftovers here are real ones, from writes whose process was killed midway.
#include "app/PasswordFile.h"
#include "app/StaleFiles.h"
#include "contacts/Attachments.h"
#include "platform/SafeFile.h"
#include "platform/Services.h"
#include "records/DailyBackup.h"
#include "records/PaymentRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Runs write in a child process that dies in the middle of it, as after a
// crash or a kill -9: the file-size limit stops it at its first write past
// limit bytes. True when it died so.
bool killedWhileWriting(qint64 limit, const std::function<void()> &write)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_DFL);
        struct rlimit r;
        ::getrlimit(RLIMIT_FSIZE, &r);
        r.rlim_cur = rlim_t(limit);
        ::setrlimit(RLIMIT_FSIZE, &r);
        try {
            write();
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
}

// The hidden entries of folder, sorted by code.
QStringList hiddenIn(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QStringList {QStringLiteral(".*")},
                                               QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}
}

class TestStaleFiles : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FixedClock> m_clock;

    QDateTime now() const { return QDateTime(m_clock->today(), m_clock->now()); }
    // Dates the file's last change seconds before the program's clock, the
    // link itself for a link.
    void age(const QString &path, qint64 seconds)
    {
        struct timespec times[2];
        times[0].tv_sec = times[1].tv_sec = time_t(now().toSecsSinceEpoch() - seconds);
        times[0].tv_nsec = times[1].tv_nsec = 0;
        QVERIFY2(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0,
                 qPrintable(path));
    }
    void ageAll(const QString &folder, qint64 seconds)
    {
        for (const QString &name :
             QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            age(folder + name, seconds);
    }
    // The leftover a write killed midway left in folder.
    QString leftover(const QString &folder, const QStringList &before)
    {
        QStringList now = hiddenIn(folder);
        for (const QString &name : before)
            now.removeOne(name);
        return now.size() == 1 ? now[0] : QString();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        Services::setProgramFolder(m_dir->path());
        m_clock = std::make_unique<FixedClock>(QDate(2026, 12, 10), QTime(12, 0));
        Services::setClock(m_clock.get());
    }
    void cleanup()
    {
        Services::setClock(nullptr);
        Services::setProgramFolder({});
        m_dir.reset();
    }

    void leftoversOfEveryKindGoTheRestStays()
    {
        const QString program = Services::programFolder();
        const QString backups = DailyBackup::folder();
        const QString attachments = Attachments::folder();
        Attachments::ensureFolder();
        const QString archive = Services::programFile(QString::fromLatin1(PaymentRecord::FileName));
        writeBytes(archive, QByteArray(800 * PaymentRecord::Size, 'p'));
        writeBytes(m_dir->filePath(QStringLiteral("scansione.pdf")), QByteArray(1 << 20, 's'));

        // A password change, an export, a daily copy and two attachment copies, each killed midway.
        QVERIFY(killedWhileWriting(8, [] { PasswordFile::writeValue(QStringLiteral("48FB0B18011FF052")); }));
        const QString password = leftover(program, {});
        QVERIFY2(killedWhileWriting(4096,
                                    [] {
                                        SafeFile out(Services::programFile(QStringLiteral("Anagrafica.xls")));
                                        out.create();
                                        out.write(QByteArray(1 << 16, 'x'));
                                    }),
                 "the export");
        const QString export_ = leftover(program, {password});
        QVERIFY(killedWhileWriting(64 * 1024, [&] { DailyBackup::beforeSave(archive); }));
        const QString backup = leftover(backups, {});
        const QString source = m_dir->filePath(QStringLiteral("scansione.pdf"));
        QVERIFY(killedWhileWriting(64 * 1024,
                                   [&] { Attachments::copy(source, attachments + QStringLiteral("scansione.pdf")); }));
        const QString attachment = leftover(attachments, {});
        QVERIFY(killedWhileWriting(64 * 1024, [&] { Attachments::copyAsNew(source, QStringLiteral("________.pdf")); }));
        const QString fresh = leftover(attachments, {attachment});
        QVERIFY(password.startsWith(QStringLiteral(".unins000.dll.")));
        QVERIFY(export_.startsWith(QStringLiteral(".Anagrafica.xls.")));
        QVERIFY(backup.startsWith(QStringLiteral(".Archivio_Appuntamenti.2026-12-10.pro.")));
        QVERIFY(attachment.startsWith(QStringLiteral(".allegato.")));
        QVERIFY(fresh.startsWith(QStringLiteral(".allegato.")));

        // What is not the program's own naming, however old.
        const QStringList others = {QStringLiteral("appunti.tmp"), QStringLiteral(".nascosto.txt"),
                                    QStringLiteral("Anagrafica.xls.abc.tmp"), QStringLiteral(".unins000.dll.ABC.tmp")};
        for (const QString &name : others)
            writeBytes(program + name, "mine");
        QVERIFY(QDir(program).mkdir(QStringLiteral(".cartella.abc.tmp")));
        QVERIFY(QFile::link(archive, program + QStringLiteral(".collegamento.abc.tmp")));
        writeBytes(attachments + QStringLiteral(".documento.pdf.abc.tmp"), "a safe writer's name, not an attachment's");
        writeBytes(attachments + QStringLiteral(".allegato.tmp"), "no tag");
        writeBytes(attachments + QStringLiteral("________.pdf"), "an attachment");
        writeBytes(backups + QStringLiteral("Archivio_Appuntamenti.2026-12-01.pro"), "a copy");
        writeBytes(backups + QStringLiteral(".Archivio_Appuntamenti.pro.bak"), "mine");

        for (const QString &folder : {program, backups, attachments})
            ageAll(folder, 2 * 60 * 60);
        age(attachments + fresh, 59 * 60);

        QCOMPARE(StaleFiles::removeAtStartUp(), 4);
        for (const QString &gone : {program + password, program + export_, backups + backup, attachments + attachment})
            QVERIFY2(!QFileInfo::exists(gone), qPrintable(gone));
        for (const QString &name : others)
            QVERIFY2(QFileInfo::exists(program + name), qPrintable(name));
        QVERIFY(QFileInfo(program + QStringLiteral(".cartella.abc.tmp")).isDir());
        QVERIFY(QFileInfo(program + QStringLiteral(".collegamento.abc.tmp")).isSymLink());
        QStringList kept {QStringLiteral(".allegato.tmp"), fresh, QStringLiteral(".documento.pdf.abc.tmp")};
        kept.sort();
        QCOMPARE(hiddenIn(attachments), kept);
        QVERIFY(QFileInfo::exists(attachments + QStringLiteral("________.pdf")));
        QCOMPARE(hiddenIn(backups), QStringList {QStringLiteral(".Archivio_Appuntamenti.pro.bak")});
        QVERIFY(QFileInfo::exists(backups + QStringLiteral("Archivio_Appuntamenti.2026-12-01.pro")));
        QCOMPARE(QFileInfo(archive).size(), 800 * PaymentRecord::Size);
    }

    void anHourOldIsStale_data()
    {
        QTest::addColumn<qint64>("age");
        QTest::addColumn<bool>("removed");
        QTest::newRow("a minute") << qint64(60) << false;
        QTest::newRow("a second short of an hour") << qint64(3599) << false;
        QTest::newRow("an hour") << qint64(3600) << true;
        QTest::newRow("a year") << qint64(365 * 24 * 3600) << true;
        QTest::newRow("dated after now") << qint64(-3600) << false;
    }
    void anHourOldIsStale()
    {
        QFETCH(qint64, age);
        QFETCH(bool, removed);
        const QString name = QStringLiteral(".unins000.dll.k3j2.tmp");
        writeBytes(Services::programFile(name), "half a password file");
        this->age(Services::programFile(name), age);
        QCOMPARE(StaleFiles::removeFrom(Services::programFolder(), SafeFile::isTemporaryName, now()), int(removed));
        QCOMPARE(QFileInfo::exists(Services::programFile(name)), !removed);
    }

    void missingFoldersAreNoTrouble()
    {
        QCOMPARE(StaleFiles::removeAtStartUp(), 0);
        QVERIFY(!QFileInfo::exists(DailyBackup::folder()));
        QVERIFY(!QFileInfo::exists(Attachments::folder()));
    }
};

QTEST_GUILESS_MAIN(TestStaleFiles)
#include "tst_stalefiles.moc"
