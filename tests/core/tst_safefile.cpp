// Replacing a file through a checked temporary file, and reading small files
// without ever blocking: what the password file, the exports and the backups
// stand on. Write failures are real ones, from a file-size limit.
#include "WriteFailure.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

class TestSafeFile : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

    QString file(const QString &name = QStringLiteral("target.xls")) const { return m_dir->filePath(name); }
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
    // Nothing but the named files: no temporary file is ever left behind.
    QStringList entries() const
    {
        return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void cleanup()
    {
        ::chmod(QFile::encodeName(m_dir->path()).constData(), 0700);
        QFile::setPermissions(file(), QFile::ReadOwner | QFile::WriteOwner);
        m_dir.reset();
    }

    void replaceWritesAndKeepsPermissions()
    {
        SafeFile::replace(file(), "first");
        QCOMPARE(readBytes(file()), QByteArray("first"));
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(file(), mode));
        SafeFile::replace(file(), QByteArray("second, longer than the first"));
        QCOMPARE(readBytes(file()), QByteArray("second, longer than the first"));
        QCOMPARE(QFile::permissions(file()) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), mode);
        SafeFile::replace(file(), QByteArray());
        QCOMPARE(QFileInfo(file()).size(), 0);
        QCOMPARE(entries(), QStringList {QStringLiteral("target.xls")});
    }

    void streamedWriteReplacesOnlyOnCommit()
    {
        writeBytes(file(), "old export");
        SafeFile out(file());
        out.create();
        QCOMPARE(out.write("new "), 4);
        QCOMPARE(out.write(QByteArray(100000, 'x')), 100000);
        // Until the commit the old file is all anyone sees.
        QCOMPARE(readBytes(file()), QByteArray("old export"));
        out.commit();
        QCOMPARE(out.written(), 100004);
        QCOMPARE(readBytes(file()), "new " + QByteArray(100000, 'x'));
        QCOMPARE(entries(), QStringList {QStringLiteral("target.xls")});
    }

    void discardedWriteLeavesTheOldFile()
    {
        writeBytes(file(), "old export");
        {
            SafeFile out(file());
            out.create();
            out.write("half of a new one");
            // Dropped without commit: an exception in the middle of a writer.
        }
        QCOMPARE(readBytes(file()), QByteArray("old export"));
        QCOMPARE(entries(), QStringList {QStringLiteral("target.xls")});
    }

    // Holes: zeros that take no room where the file system keeps holes, also
    // at the end of the file.
    void skipLeavesHoles()
    {
        const qint64 mib = 1 << 20;
        SafeFile out(file());
        out.create();
        QCOMPARE(out.write("head"), 4);
        QVERIFY(out.skip(16 * mib));
        QCOMPARE(out.write("middle"), 6);
        QVERIFY(out.skip(0));
        QVERIFY(out.skip(32 * mib));
        QVERIFY(!out.skip(-1));
        out.commit();
        QCOMPARE(out.written(), 4 + 16 * mib + 6 + 32 * mib);
        const QByteArray all = readBytes(file());
        QCOMPARE(all.size(), out.written());
        QCOMPARE(all.left(4), QByteArray("head"));
        QCOMPARE(all.mid(4 + 16 * mib, 6), QByteArray("middle"));
        QCOMPARE(all.count('\0'), all.size() - 10);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(file()).constData(), &st), 0);
        if (qint64(st.st_blocks) * 512 >= 16 * mib)
            QSKIP("this file system keeps no holes");
        QVERIFY(qint64(st.st_blocks) * 512 < mib);
    }

    // The name of a file being written is the name start-up looks for.
    void temporaryName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("temporary");
        QTest::newRow("the password file's") << ".unins000.dll.1a2b3c.tmp" << true;
        QTest::newRow("an export's") << ".Anagrafica.xls.0.tmp" << true;
        QTest::newRow("a backup's") << ".Anagrafica.2026-12-10.pro.1z141z3.tmp" << true;
        QTest::newRow("a tag above 32 bits") << ".unins000.dll.1z141z4.tmp" << false;
        QTest::newRow("a tag too long") << ".unins000.dll.abcdefgh.tmp" << false;
        QTest::newRow("capitals are not ours") << ".unins000.dll.ABC.tmp" << false;
        QTest::newRow("not hidden") << "unins000.dll.abc.tmp" << false;
        QTest::newRow("no name") << "..abc.tmp" << false;
        QTest::newRow("another ending") << ".unins000.dll.abc.temp" << false;
    }
    void temporaryName()
    {
        QFETCH(QString, name);
        QFETCH(bool, temporary);
        QCOMPARE(SafeFile::isTemporaryName(name), temporary);
        // And the one a real write uses.
        SafeFile out(file(QStringLiteral("unins000.dll")));
        out.create();
        const QStringList names = entries();
        QCOMPARE(names.size(), 1);
        QVERIFY2(SafeFile::isTemporaryName(names[0]), qPrintable(names[0]));
        QVERIFY(names[0].startsWith(QStringLiteral(".unins000.dll.")));
    }

    void writeFailureKeepsTheOldFile_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("streamed");
        for (bool streamed : {false, true}) {
            const char *how = streamed ? "streamed" : "whole";
            QTest::addRow("%s, nothing fits", how) << qint64(0) << streamed;
            QTest::addRow("%s, part fits", how) << qint64(5000) << streamed;
            QTest::addRow("%s, all but one byte", how) << qint64(65535) << streamed;
        }
    }
    void writeFailureKeepsTheOldFile()
    {
        QFETCH(qint64, limit);
        QFETCH(bool, streamed);
        const QByteArray before = "[Accesso]\r\nValore=48FB0B18011FF052\r\n";
        writeBytes(file(), before);
        const QByteArray fresh(65536, 'n');
        bool failed = false;
        {
            FileSizeLimit sizeLimit(limit);
            QVERIFY(sizeLimit.active());
            try {
                if (streamed) {
                    SafeFile out(file());
                    out.create();
                    // Written in pieces as the export writer does; a failed
                    // piece is reported at once and so is every later one.
                    qint64 result = 0;
                    for (int i = 0; i < 16 && result >= 0; ++i)
                        result = out.write(fresh.mid(i * 4096, 4096));
                    QCOMPARE(result, qint64(-1));
                    QCOMPARE(out.write("more"), qint64(-1));
                    out.commit();
                } else {
                    SafeFile::replace(file(), fresh);
                }
            } catch (const SafeFileError &) {
                failed = true;
            }
        }
        QVERIFY(failed);
        QCOMPARE(readBytes(file()), before);
        QCOMPARE(entries(), QStringList {QStringLiteral("target.xls")});
    }

    void refusedTargets_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("read-only file") << "read-only file";
        QTest::newRow("read-only folder") << "read-only folder";
        QTest::newRow("folder in its place") << "folder";
        QTest::newRow("missing folder") << "missing folder";
    }
    void refusedTargets()
    {
        QFETCH(QString, kind);
        QString target = file();
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("target.xls")));
        } else if (kind == QLatin1String("missing folder")) {
            target = m_dir->filePath(QStringLiteral("nowhere/target.xls"));
        } else {
            writeBytes(target, "kept");
            if (kind == QLatin1String("read-only file"))
                QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
            else
                QVERIFY(::chmod(QFile::encodeName(m_dir->path()).constData(), 0500) == 0);
        }
        QVERIFY_THROWS_EXCEPTION(SafeFileError, SafeFile::replace(target, "new"));
        ::chmod(QFile::encodeName(m_dir->path()).constData(), 0700);
        if (kind == QLatin1String("folder"))
            QVERIFY(QFileInfo(target).isDir());
        else if (kind != QLatin1String("missing folder"))
            QCOMPARE(readBytes(target), QByteArray("kept"));
        QCOMPARE(entries().size(), kind == QLatin1String("missing folder") ? 0 : 1);
    }

    void readRegular()
    {
        QVERIFY(!SafeFile::readRegular(file(), 100).has_value());
        writeBytes(file(), QByteArray(100, 'a'));
        QCOMPARE(SafeFile::readRegular(file(), 100).value(), QByteArray(100, 'a'));
        QVERIFY_THROWS_EXCEPTION(SafeFileError, SafeFile::readRegular(file(), 99));
        QVERIFY(QFile::setPermissions(file(), QFile::WriteOwner));
        QVERIFY_THROWS_EXCEPTION(SafeFileError, SafeFile::readRegular(file(), 100));
    }

    void readRegularNeverBlocks()
    {
        const QString fifo = file(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        // Should the open ever block again, the alarm ends the test.
        ::alarm(30);
        QVERIFY_THROWS_EXCEPTION(SafeFileError, SafeFile::readRegular(fifo, 100));
        ::alarm(0);
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
        QVERIFY_THROWS_EXCEPTION(SafeFileError, SafeFile::readRegular(file(QStringLiteral("folder")), 100));
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
