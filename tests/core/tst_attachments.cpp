// The attachments folder beside the program: the name a chosen file is kept
// under, the folder's creation and the copy that never leaves a broken file.
// Also the digits test of the contact card. Write failures are real ones.
#include "WriteFailure.h"

#include "contacts/Attachments.h"
#include "contacts/ContactEntryRules.h"
#include "platform/Services.h"
#include "records/ContactRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using Attachments::AttachmentError;
using Reason = AttachmentError::Reason;
Q_DECLARE_METATYPE(Reason)

class TestAttachments : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

    QString source(const QString &name) const { return m_dir->filePath(QStringLiteral("sorgenti/") + name); }
    static void writeBytes(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    static QByteArray readBytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Everything in the attachments folder, hidden files too.
    static QStringList folderEntries()
    {
        return QDir(Attachments::folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    static Reason failureOf(const std::function<void()> &work)
    {
        try {
            work();
        } catch (const AttachmentError &e) {
            return e.reason();
        }
        QTest::qFail("no failure", __FILE__, __LINE__);
        return Reason::Other;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        Services::setProgramFolder(m_dir->filePath(QStringLiteral("programma")));
        QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("programma"))));
    }
    void cleanup()
    {
        for (const QString &path : {Attachments::folder(), Services::programFolder(), source(QString())})
            ::chmod(QFile::encodeName(path).constData(), 0700);
        Services::setProgramFolder(QString());
        m_dir.reset();
    }

    void isAllDigits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("digits");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("all ten") << "0123456789" << true;
        QTest::newRow("a letter") << "0123456789A" << false;
        QTest::newRow("a blank") << "01234 67890" << false;
        QTest::newRow("a sign") << "-1" << false;
        QTest::newRow("a decimal point") << "12.5" << false;
        QTest::newRow("other digits") << QString::fromUtf8("١٢٣") << false;
        QTest::newRow("full-width digits") << QString::fromUtf8("１２") << false;
    }
    void isAllDigits()
    {
        QFETCH(QString, text);
        QFETCH(bool, digits);
        QCOMPARE(IsAllDigits(text), digits);
    }

    void fiscalCodeCheck_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("vat");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("digits: a company") << "01234567890" << true;
        QTest::newRow("one digit") << "7" << true;
        QTest::newRow("a person") << "RSSMRA80A01H501U" << false;
        QTest::newRow("digits and a letter") << "0123456789X" << false;
    }
    void fiscalCodeCheck()
    {
        QFETCH(QString, code);
        QFETCH(bool, vat);
        QCOMPARE(ContactEntry::checkForFiscalCode(code) == ContactEntry::CodeCheck::VatNumber, vat);
    }

    void folderIsBesideTheProgram()
    {
        QCOMPARE(Attachments::folder(), Services::programFolder() + QStringLiteral("Documenti_Allegati/"));
        QCOMPARE(Attachments::pathOf(QStringLiteral("  a.pdf ")), Attachments::folder() + QStringLiteral("a.pdf"));
        QCOMPARE(Attachments::openText(QStringLiteral("a.pdf")),
                 QStringLiteral("\"") + Attachments::folder() + QStringLiteral("a.pdf\""));
    }

    void fieldName_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("kept");
        const QString a246(246, u'a');
        QTest::newRow("plain") << "scansione.pdf"
                               << "scansione.pdf";
        QTest::newRow("Windows-1252 letters")
            << QString::fromUtf8("Carta d'identità € – Æ.pdf") << QString::fromUtf8("Carta d'identità € – Æ.pdf");
        QTest::newRow("letters outside: their base letters")
            << QString::fromUtf8("Łódź.jpg") << QString::fromUtf8("Lódz.jpg");
        QTest::newRow("Romanian") << QString::fromUtf8("Ștefan.pdf") << "Stefan.pdf";
        QTest::newRow("another script") << QString::fromUtf8("Отчёт.odt") << "_____.odt";
        QTest::newRow("a backslash is no path") << "a\\..\\b.pdf"
                                                << "a_.._b.pdf";
        QTest::newRow("dots alone name a folder") << " .. "
                                                  << "_";
        QTest::newRow("emoji: one mark each") << QString::fromUtf8("foto 😀🎉.png") << "foto __.png";
        QTest::newRow("control character") << "riga\tdue.txt"
                                           << "riga_due.txt";
        QTest::newRow("blanks at the ends") << "  contratto.pdf  "
                                            << "contratto.pdf";
        QTest::newRow("a mark at the end is kept") << QString::fromUtf8("nota ✓") << "nota _";
        QTest::newRow("only blanks") << "   "
                                     << "_";
        QTest::newRow("250 fits") << QString(246, u'b') + ".pdf" << QString(246, u'b') + ".pdf";
        QTest::newRow("255: cut before the extension") << QString(251, u'a') + ".pdf" << a246 + ".pdf";
        QTest::newRow("no extension") << QString(255, u'x') << QString(250, u'x');
        QTest::newRow("hidden file, no extension") << "." + QString(254, u'h') << "." + QString(249, u'h');
        QTest::newRow("cut at a blank") << QString(245, u'c') + "  d.pdf" + QString(10, u'e') + ".pdf"
                                        << QString(245, u'c') + ".pdf";
        QTest::newRow("extension too long to keep")
            << QString(200, u'n') + "." + QString(60, u'z') << QString(200, u'n') + "." + QString(49, u'z');
    }
    void fieldName()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, kept);
        const QString name = Attachments::fieldName(chosen);
        QCOMPARE(name, kept);
        // What the record stores is that name exactly.
        ContactRecord r;
        r.File01 = name;
        QCOMPARE(ContactRecord::decode(r.encode()).File01, name);
    }

    void numberedName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("numbered");
        QTest::newRow("the first is the name") << "________.pdf" << 1 << "________.pdf";
        QTest::newRow("before the extension") << "________.pdf" << 2 << "________ (2).pdf";
        QTest::newRow("no extension") << "Relazione" << 3 << "Relazione (3)";
        QTest::newRow("hidden file") << ".profilo" << 2 << ".profilo (2)";
        QTest::newRow("a full field is cut to fit")
            << QString(246, u'a') + ".pdf" << 12 << QString(241, u'a') + " (12).pdf";
        QTest::newRow("no blank left before the number")
            << QString(241, u'a') + " bcd.pdf" << 2 << QString(241, u'a') + " (2).pdf";
    }
    void numberedName()
    {
        QFETCH(QString, name);
        QFETCH(int, n);
        QFETCH(QString, numbered);
        QCOMPARE(Attachments::numberedName(name, n), numbered);
        QVERIFY(numbered.size() <= ContactRecord::layout().capacity(&ContactRecord::File01));
    }

    void isInFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("inFolder");
        QTest::newRow("a name") << "patente.pdf" << true;
        QTest::newRow("blanks around") << " patente.pdf " << true;
        QTest::newRow("dots inside a name") << "a..b...pdf" << true;
        QTest::newRow("three dots") << "..." << true;
        QTest::newRow("up and out") << "../../../../etc/passwd" << false;
        QTest::newRow("into a folder") << "sotto/file.pdf" << false;
        QTest::newRow("an absolute path") << "/etc/passwd" << false;
        QTest::newRow("the other separator") << "..\\..\\boot.ini" << false;
        QTest::newRow("the parent itself") << " .. " << false;
    }
    void isInFolder()
    {
        QFETCH(QString, name);
        QFETCH(bool, inFolder);
        QCOMPARE(Attachments::isInFolder(name), inFolder);
        // A name made for a chosen file always is.
        QVERIFY(Attachments::isInFolder(Attachments::fieldName(name)));
    }

    void folderCreatedWithItsParents()
    {
        Services::setProgramFolder(m_dir->filePath(QStringLiteral("a/b/c")));
        Attachments::ensureFolder();
        QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("a/b/c/Documenti_Allegati"))).isDir());
        Attachments::ensureFolder(); // already there: nothing to do
    }

    void folderThatCannotBeCreated_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<Reason>("reason");
        QTest::newRow("read-only program folder") << true << Reason::NoPermission;
        QTest::newRow("a file in its place") << false << Reason::Other;
    }
    void folderThatCannotBeCreated()
    {
        QFETCH(bool, readOnly);
        QFETCH(Reason, reason);
        if (readOnly)
            QVERIFY(::chmod(QFile::encodeName(Services::programFolder()).constData(), 0500) == 0);
        else
            writeBytes(QDir::cleanPath(Attachments::folder()), "not a folder");
        QCOMPARE(failureOf([] { Attachments::ensureFolder(); }), reason);
        QCOMPARE(QFileInfo(QDir::cleanPath(Attachments::folder())).isDir(), false);
    }

    void copyReplacesTheTarget()
    {
        Attachments::ensureFolder();
        QByteArray big(3 * 1024 * 1024 + 17, Qt::Uninitialized);
        for (qsizetype i = 0; i < big.size(); ++i)
            big[i] = char(i * 7 + i / 251);
        writeBytes(source(QStringLiteral("scan.bin")), big);
        const QString target = Attachments::pathOf(QStringLiteral("scan.bin"));
        writeBytes(target, "the older file");
        Attachments::copy(source(QStringLiteral("scan.bin")), target);
        QCOMPARE(readBytes(target), big);
        QCOMPARE(folderEntries(), QStringList {QStringLiteral("scan.bin")});
        // A name as long as the field allows (and the system nearly so) copies too.
        const QString longest = QString(246, u'l') + QStringLiteral(".pdf");
        writeBytes(m_dir->filePath(longest), "long");
        Attachments::copy(m_dir->filePath(longest), Attachments::pathOf(longest));
        QCOMPARE(readBytes(Attachments::pathOf(longest)), QByteArray("long"));
        // An empty file is a file too.
        writeBytes(source(QStringLiteral("vuoto.txt")), QByteArray());
        Attachments::copy(source(QStringLiteral("vuoto.txt")), Attachments::pathOf(QStringLiteral("vuoto.txt")));
        QVERIFY(QFileInfo::exists(Attachments::pathOf(QStringLiteral("vuoto.txt"))));
    }

    // Two names made to fit alike never become one file.
    void copyAsNewNeverReplaces()
    {
        Attachments::ensureFolder();
        writeBytes(source(QStringLiteral("uno")), "the first contact's document");
        writeBytes(source(QStringLiteral("due")), "the second contact's document");
        writeBytes(source(QStringLiteral("tre")), "the third contact's document");
        const QString name = QStringLiteral("________.pdf");
        QCOMPARE(Attachments::copyAsNew(source(QStringLiteral("uno")), name), name);
        QCOMPARE(Attachments::copyAsNew(source(QStringLiteral("due")), name), QStringLiteral("________ (2).pdf"));
        // A link to nowhere takes its name as much as a file.
        QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("nessuno")),
                            Attachments::pathOf(QStringLiteral("________ (3).pdf"))));
        QCOMPARE(Attachments::copyAsNew(source(QStringLiteral("tre")), name), QStringLiteral("________ (4).pdf"));
        QCOMPARE(readBytes(Attachments::pathOf(name)), QByteArray("the first contact's document"));
        QCOMPARE(readBytes(Attachments::pathOf(QStringLiteral("________ (2).pdf"))),
                 QByteArray("the second contact's document"));
        QCOMPARE(readBytes(Attachments::pathOf(QStringLiteral("________ (4).pdf"))),
                 QByteArray("the third contact's document"));
        // Three copies and the link, nothing half-made.
        QCOMPARE(QDir(Attachments::folder())
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                     .size(),
                 4);
    }

    void copyAsNewThatFails_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<Reason>("reason");
        QTest::newRow("missing source") << "missing" << Reason::SourceUnreadable;
        QTest::newRow("read-only attachments folder") << "read-only folder" << Reason::NoPermission;
        QTest::newRow("disk full half-way") << "full" << Reason::NoSpace;
    }
    void copyAsNewThatFails()
    {
        QFETCH(QString, failure);
        QFETCH(Reason, reason);
        Attachments::ensureFolder();
        writeBytes(Attachments::pathOf(QStringLiteral("_.pdf")), "kept");
        const QString from = source(QStringLiteral("doc.bin"));
        writeBytes(from, QByteArray(256 * 1024, 'n'));
        std::unique_ptr<FileSizeLimit> limit;
        if (failure == QLatin1String("missing"))
            QVERIFY(QFile::remove(from));
        else if (failure == QLatin1String("read-only folder"))
            QVERIFY(::chmod(QFile::encodeName(Attachments::folder()).constData(), 0500) == 0);
        else
            limit = std::make_unique<FileSizeLimit>(64 * 1024);
        if (limit && !limit->active())
            QSKIP("no file-size limit on this system");
        QCOMPARE(failureOf([&] { Attachments::copyAsNew(from, QStringLiteral("_.pdf")); }), reason);
        limit.reset();
        QCOMPARE(folderEntries(), QStringList {QStringLiteral("_.pdf")});
        QCOMPARE(readBytes(Attachments::pathOf(QStringLiteral("_.pdf"))), QByteArray("kept"));
    }

    void failedCopyLeavesTheTargetAsItWas_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<Reason>("reason");
        QTest::newRow("unreadable source") << "unreadable" << Reason::SourceUnreadable;
        QTest::newRow("missing source") << "missing" << Reason::SourceUnreadable;
        QTest::newRow("a folder chosen") << "folder" << Reason::SourceUnreadable;
        QTest::newRow("a pipe in the file's place") << "fifo" << Reason::SourceUnreadable;
        QTest::newRow("read-only attachments folder") << "read-only folder" << Reason::NoPermission;
        QTest::newRow("read-only target") << "read-only target" << Reason::NoPermission;
        QTest::newRow("disk full half-way") << "full" << Reason::NoSpace;
    }
    void failedCopyLeavesTheTargetAsItWas()
    {
        QFETCH(QString, failure);
        QFETCH(Reason, reason);
        Attachments::ensureFolder();
        const QString target = Attachments::pathOf(QStringLiteral("doc.bin"));
        const QByteArray old("the attachment that must survive");
        writeBytes(target, old);
        const QString from = source(QStringLiteral("doc.bin"));
        writeBytes(from, QByteArray(256 * 1024, 'n'));

        std::unique_ptr<FileSizeLimit> limit;
        if (failure == QLatin1String("unreadable"))
            QVERIFY(::chmod(QFile::encodeName(from).constData(), 0) == 0);
        else if (failure == QLatin1String("missing"))
            QVERIFY(QFile::remove(from));
        else if (failure == QLatin1String("folder"))
            QVERIFY(QFile::remove(from) && QDir().mkdir(from));
        else if (failure == QLatin1String("fifo"))
            QVERIFY(QFile::remove(from) && ::mkfifo(QFile::encodeName(from).constData(), 0600) == 0);
        else if (failure == QLatin1String("read-only folder"))
            QVERIFY(::chmod(QFile::encodeName(Attachments::folder()).constData(), 0500) == 0);
        else if (failure == QLatin1String("read-only target"))
            QVERIFY(::chmod(QFile::encodeName(target).constData(), 0444) == 0);
        else
            limit = std::make_unique<FileSizeLimit>(64 * 1024);
        if (limit && !limit->active())
            QSKIP("no file-size limit on this system");

        QCOMPARE(failureOf([&] { Attachments::copy(from, target); }), reason);
        limit.reset();
        QCOMPARE(readBytes(target), old);
        QCOMPARE(folderEntries(), QStringList {QStringLiteral("doc.bin")});
    }

    void sameFile()
    {
        writeBytes(source(QStringLiteral("a.txt")), "a");
        writeBytes(source(QStringLiteral("b.txt")), "a");
        QVERIFY(Attachments::sameFile(source(QStringLiteral("a.txt")), source(QStringLiteral("a.txt"))));
        QVERIFY(Attachments::sameFile(source(QStringLiteral("a.txt")),
                                      m_dir->filePath(QStringLiteral("sorgenti/../sorgenti/a.txt"))));
        QVERIFY(!Attachments::sameFile(source(QStringLiteral("a.txt")), source(QStringLiteral("b.txt"))));
        QVERIFY(!Attachments::sameFile(source(QStringLiteral("a.txt")), source(QStringLiteral("none.txt"))));
    }

    void warningSaysWhy_data()
    {
        QTest::addColumn<Reason>("reason");
        QTest::addColumn<QString>("why");
        QTest::newRow("permission") << Reason::NoPermission << "privilegi di scrittura";
        QTest::newRow("source") << Reason::SourceUnreadable << "non può essere letto";
        QTest::newRow("space") << Reason::NoSpace << "spazio disponibile sul disco";
        QTest::newRow("other") << Reason::Other << "codice 5";
    }
    void warningSaysWhy()
    {
        QFETCH(Reason, reason);
        QFETCH(QString, why);
        const QString text =
            Attachments::copyFailedWarning(QStringLiteral("patente.pdf"), AttachmentError(reason, EIO));
        QVERIFY2(text.startsWith(QStringLiteral("Attenzione: non è stato possibile copiare il file \"patente.pdf\"")),
                 qPrintable(text));
        QVERIFY2(text.contains(why), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestAttachments)
#include "tst_attachments.moc"
