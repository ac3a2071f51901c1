// The step that lays out or updates a program folder (packaging/tarvenio-folder):
// a new version replaces the program, never the user's data, also while the
// old program runs.
#include "PaymentFixtures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QStringList kProgramFiles {QStringLiteral("tarvenio"), QStringLiteral("tarvenio-promemoria"),
                                 QStringLiteral("Guida.pdf"), QStringLiteral("tarvenio.svg")};

QString layoutScript() { return qEnvironmentVariable("TARVENIO_PACKAGING") + QStringLiteral("/tarvenio-folder"); }

void put(const QString &path, const QByteArray &bytes, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther);
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Every file under root (hidden ones too), relative path → a digest and the
// time it was last written: a file rewritten with the same bytes shows too.
QMap<QString, QString> snapshot(const QString &root)
{
    QMap<QString, QString> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path),
                     QString::fromLatin1(QCryptographicHash::hash(bytesOf(path), QCryptographicHash::Sha256).toHex())
                         + u' ' + QString::number(it.fileInfo().lastModified().toMSecsSinceEpoch()));
    }
    return files;
}

struct Run {
    int exitCode = -1;
    QString errors;
};

Run layOut(const QString &source, const QString &folder)
{
    QProcess p;
    p.start(QStringLiteral("sh"), {layoutScript(), source, folder});
    Run run;
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = p.exitCode();
    run.errors = QString::fromUtf8(p.readAllStandardError());
    return run;
}

// A new version of the program: what the build lays out in build/Tarvenio/.
void writeNewVersion(const QString &source)
{
    put(source + QStringLiteral("/tarvenio"), "#!/bin/sh\necho nuovo tarvenio\n", true);
    put(source + QStringLiteral("/tarvenio-promemoria"), "#!/bin/sh\necho nuovo promemoria\n", true);
    put(source + QStringLiteral("/Guida.pdf"), "%PDF-1.4 nuovo manuale");
    put(source + QStringLiteral("/tarvenio.svg"), "<svg>nuova icona</svg>");
    put(source + QStringLiteral("/Avviso.mp3"), "suono fornito");
    put(source + QStringLiteral("/unins000.dll"), "[Accesso]\nValore=iniziale\n");
}
}

class TestProgramFolder : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_source;
    QString m_folder;

    // An older version in use: its program files, and everything a user keeps.
    void writeFolderInUse()
    {
        put(m_folder + QStringLiteral("/tarvenio"), "#!/bin/sh\necho vecchio tarvenio\n", true);
        put(m_folder + QStringLiteral("/tarvenio-promemoria"), "#!/bin/sh\necho vecchio promemoria\n", true);
        put(m_folder + QStringLiteral("/Guida.pdf"), "%PDF-1.4 vecchio manuale");
        put(m_folder + QStringLiteral("/tarvenio.svg"), "<svg>vecchia icona</svg>");
        put(m_folder + QStringLiteral("/Archivio_Appuntamenti.pro"),
            paymentFile({makePayment(QStringLiteral("20/05/2025")), makePayment(QStringLiteral("01/06/2025"))}));
        put(m_folder + QStringLiteral("/Anagrafica.pro"), QByteArray(3831, '\0'));
        put(m_folder + QStringLiteral("/Documenti_Allegati/Rossi Mario/contratto.pdf"), "%PDF-1.4 contratto");
        put(m_folder + QStringLiteral("/Backup/Archivio_Appuntamenti.2026-12-10.pro"),
            paymentFile({makePayment(QStringLiteral("20/05/2025"))}));
        put(m_folder + QStringLiteral("/unins000.dll"), "[Accesso]\nValore=6A7B8C\n");
        put(m_folder + QStringLiteral("/Avviso.mp3"), "il suono scelto dall'utente");
        put(m_folder + QStringLiteral("/Scadenze_Imminenti.xls"), "<html>esportazione</html>");
        put(m_folder + QStringLiteral("/appunti personali.txt"), "da non perdere");
    }

    void verifyProgramIsNew()
    {
        for (const QString &name : kProgramFiles) {
            QCOMPARE(bytesOf(m_folder + u'/' + name), bytesOf(m_source + u'/' + name));
            QCOMPARE(QFileInfo(m_folder + u'/' + name).permissions(), QFileInfo(m_source + u'/' + name).permissions());
        }
        QVERIFY(QFileInfo(m_folder + QStringLiteral("/tarvenio")).isExecutable());
        QVERIFY(QFileInfo(m_folder + QStringLiteral("/tarvenio-promemoria")).isExecutable());
    }

    QMap<QString, QString> dataSnapshot()
    {
        QMap<QString, QString> data = snapshot(m_folder);
        for (const QString &name : kProgramFiles)
            data.remove(name);
        return data;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_source = m_dir.filePath(QStringLiteral("build/Tarvenio"));
        m_folder = m_dir.filePath(QStringLiteral("home/Tarvenio"));
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_dir.path()));
        writeNewVersion(m_source);
    }

    void updatesTheProgramAndLeavesTheDataAlone()
    {
        writeFolderInUse();
        const QMap<QString, QString> before = dataSnapshot();
        const QMap<QString, QString> source = snapshot(m_source);

        const Run run = layOut(m_source, m_folder);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.errors.isEmpty(), qPrintable(run.errors));

        verifyProgramIsNew();
        // Every data file as it was, byte for byte and never rewritten; no
        // file added (a temporary one left behind, a sound put back).
        QCOMPARE(dataSnapshot(), before);
        QCOMPARE(snapshot(m_source), source);
        // A second run finds nothing to do.
        const QMap<QString, QString> updated = snapshot(m_folder);
        QCOMPARE(layOut(m_source, m_folder).exitCode, 0);
        QCOMPARE(snapshot(m_folder), updated);
    }

    void laysOutAFolderThatIsNotThereYet()
    {
        const Run run = layOut(m_source, m_folder);
        QCOMPARE(run.exitCode, 0);
        verifyProgramIsNew();
        for (const char *name : {"Avviso.mp3", "unins000.dll"})
            QCOMPARE(bytesOf(m_folder + u'/' + QLatin1String(name)), bytesOf(m_source + u'/' + QLatin1String(name)));
        QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot).size(), 6);
    }

    void replacesAProgramThatIsRunning()
    {
        writeFolderInUse();
        // The old program, still running: a real executable, which the system
        // will not let anybody write over while it runs.
        QFile::remove(m_folder + QStringLiteral("/tarvenio"));
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), m_folder + QStringLiteral("/tarvenio")));
        QProcess running;
        running.start(m_folder + QStringLiteral("/tarvenio"), {QStringLiteral("120")});
        QVERIFY(running.waitForStarted());
        // Its manual open as well, as a viewer would hold it.
        QFile manual(m_folder + QStringLiteral("/Guida.pdf"));
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QMap<QString, QString> before = dataSnapshot();

        const Run run = layOut(m_source, m_folder);

        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.errors.isEmpty(), qPrintable(run.errors));
        verifyProgramIsNew();
        QCOMPARE(dataSnapshot(), before);
        // The running copy keeps its own program and its open manual.
        QCOMPARE(running.state(), QProcess::Running);
        QCOMPARE(manual.readAll(), QByteArray("%PDF-1.4 vecchio manuale"));
        running.kill();
        running.waitForFinished();
    }

    void aVersionWithAPieceMissingChangesNothing()
    {
        writeFolderInUse();
        QVERIFY(QFile::remove(m_source + QStringLiteral("/Guida.pdf")));
        const QMap<QString, QString> before = snapshot(m_folder);

        const Run run = layOut(m_source, m_folder);

        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(QStringLiteral("impossibile preparare la cartella del programma")),
                 qPrintable(run.errors));
        QCOMPARE(snapshot(m_folder), before);
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
