// The attachments of a contact: the window's slots, choosing a file (copied
// into Documenti_Allegati at once, with the overwrite question), opening and
// emptying a slot, handing the slots back to the editor and saving them; and
// the failures: a folder that cannot be written, a file that cannot be read,
// a copy that breaks half-way, a name the record could not hold.
#include "Controls.h"
#include "ContactFixtures.h"
#include "ModalDriver.h"
#include "ResidentFixture.h"
#include "TestServices.h"
#include "WriteFailure.h"

#include "app/Windows.h"
#include "contacts/Attachments.h"
#include "contacts/TfrmAllegaCartella.h"
#include "contacts/TfrmAnagrafica.h"
#include "ui/widgets/PictureButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
const QString kQuestion =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
                   "Si vuole sovrascrivere il file esistente?");
}

class TestContactAttachments : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    std::unique_ptr<QTemporaryDir> m_elsewhere; // where the user's files are
    TfrmAnagrafica *ed() const { return Windows::resident().anagrafica; }

    QString folder() const { return m_env->folder() + QStringLiteral("Documenti_Allegati/"); }
    QString userFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_elsewhere->filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    static QByteArray readBytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void putInFolder(const QString &name, const QByteArray &bytes)
    {
        QVERIFY(QDir().mkpath(folder()));
        QFile f(folder() + name);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QStringList folderEntries() const
    {
        return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // Opens the attachments window from the editor and acts in it; the window
    // always closes, and the test fails when it did not come.
    void inAttachments(const std::function<void(TfrmAllegaCartella *)> &act)
    {
        QVERIFY2(whileModal<TfrmAllegaCartella>([this] { child<PictureButton>(ed(), "cmdFile")->click(); }, act),
                 "the attachments window did not open");
    }
    ContactRecord stored(int number) const
    {
        const QByteArray all = m_env->readFile(QString::fromLatin1(ContactRecord::FileName));
        return ContactRecord::decode(all.mid(qsizetype(number - 1) * ContactRecord::Size, ContactRecord::Size));
    }
    ContactRecord withAttachments()
    {
        ContactRecord r = makeContact(1);
        r.File01 = QStringLiteral("patente.pdf");
        r.Desc01 = QStringLiteral("Patente di guida");
        r.File03 = QStringLiteral("contratto.odt");
        r.Desc02 = QStringLiteral("Descrizione senza file");
        return r;
    }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15));
        m_elsewhere = std::make_unique<QTemporaryDir>();
        QVERIFY(m_env->show(ed()));
    }
    void cleanup()
    {
        for (const QString &path : {m_env->folder(), folder()})
            ::chmod(QFile::encodeName(path).constData(), 0700);
        m_elsewhere.reset();
        m_env.reset();
    }

    void windowShowsTheEditorsSlots()
    {
        ContactRecord r = withAttachments();
        r.File01 = QStringLiteral("  patente.pdf "); // read back trimmed, but set here by hand
        ed()->ShowContactRecord(1, r);
        inAttachments([](TfrmAllegaCartella *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral(" Allega file"));
            QCOMPARE(w->parentWidget(), Windows::resident().anagrafica);
            QCOMPARE(child<QLineEdit>(w, "txtFile01")->text(), QStringLiteral("patente.pdf"));
            QCOMPARE(child<QLineEdit>(w, "txtDesc01")->text(), QStringLiteral("Patente di guida"));
            QCOMPARE(child<QLineEdit>(w, "txtFile02")->text(), QString());
            QCOMPARE(child<QLineEdit>(w, "txtDesc02")->text(), QStringLiteral("Descrizione senza file"));
            QCOMPARE(child<QLineEdit>(w, "txtFile03")->text(), QStringLiteral("contratto.odt"));
            QCOMPARE(child<QLineEdit>(w, "txtDesc03")->text(), QString());
            // Open only for a slot with a name.
            QVERIFY(child<QPushButton>(w, "btnApri01")->isEnabled());
            QVERIFY(!child<QPushButton>(w, "btnApri02")->isEnabled());
            QVERIFY(child<QPushButton>(w, "btnApri03")->isEnabled());
            for (QLineEdit *name :
                 {child<QLineEdit>(w, "txtFile01"), child<QLineEdit>(w, "txtFile02"), child<QLineEdit>(w, "txtFile03")})
                QVERIFY(name->isReadOnly());
            for (QLineEdit *description :
                 {child<QLineEdit>(w, "txtDesc01"), child<QLineEdit>(w, "txtDesc02"), child<QLineEdit>(w, "txtDesc03")})
                QVERIFY(!description->isReadOnly() && description->maxLength() > 100000);
            QStringList captions;
            for (QLabel *l : w->findChildren<QLabel *>())
                captions << l->text();
            for (const char *c :
                 {"Nome 1° file allegato:", "Nome 2° file allegato:", "Nome 3° file allegato:",
                  "Descrizione 1° file allegato:", "Descrizione 2° file allegato:", "Descrizione 3° file allegato:"})
                QVERIFY2(captions.contains(QString::fromUtf8(c)), c);
            QCOMPARE(child<QPushButton>(w, "btnSfoglia02")->text(), QStringLiteral("Sfoglia..."));
            QCOMPARE(child<QPushButton>(w, "btnApri02")->text(), QStringLiteral("Apri"));
            QCOMPARE(child<QPushButton>(w, "btnAnnulla")->text(), QStringLiteral("Annulla"));
            QCOMPARE(child<QPushButton>(w, "btnApplica")->text(), QStringLiteral("Applica e chiudi"));
            // A fixed window that is left only through its own buttons.
            QCOMPARE(w->minimumSize(), w->maximumSize());
            QVERIFY(!(w->windowFlags()
                      & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                         | Qt::WindowContextHelpButtonHint)));
        });
        // Only the attachments window writes the editor's slots: nothing changed.
        QCOMPARE(child<QLabel>(ed(), "lblFile01")->text(), QStringLiteral("  patente.pdf "));
    }

    void browseCopiesApplyHandsBackSaveStores()
    {
        const QByteArray scan("%PDF-1.4 scan of an identity card");
        m_env->fileDialogs.nextPaths << userFile(QStringLiteral("Carta d'identità.pdf"), scan);
        child<QLineEdit>(ed(), "txtNome")->setText(QStringLiteral("Mario Rossi"));
        child<QLineEdit>(ed(), "txtSesso")->setText(QStringLiteral("M"));
        inAttachments([&](TfrmAllegaCartella *w) {
            child<QPushButton>(w, "btnSfoglia02")->click();
            QCOMPARE(child<QLineEdit>(w, "txtFile02")->text(), QStringLiteral("Carta d'identità.pdf"));
            QVERIFY(child<QPushButton>(w, "btnApri02")->isEnabled());
            QCOMPARE(readBytes(folder() + QStringLiteral("Carta d'identità.pdf")), scan);
            child<QLineEdit>(w, "txtDesc02")->setText(QStringLiteral("  Documento d'identità "));
            child<QPushButton>(w, "btnApplica")->click();
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(m_env->fileDialogs.titles, QStringList {QStringLiteral("Selezionare il file da allegare:")});
        QCOMPARE(m_env->fileDialogs.filters, QStringList {QStringLiteral("Tutti i file (*.*)")});
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QCOMPARE(child<QLabel>(ed(), "lblFile02")->text(), QStringLiteral("Carta d'identità.pdf"));
        QCOMPARE(child<QLabel>(ed(), "lblDesc02")->text(), QStringLiteral("Documento d'identità"));
        QCOMPARE(child<QLabel>(ed(), "lblFile01")->text(), QString());
        child<PictureButton>(ed(), "cmdSalva")->click();
        const ContactRecord r = stored(1);
        QCOMPARE(r.File02, QStringLiteral("Carta d'identità.pdf"));
        QCOMPARE(r.Desc02, QStringLiteral("Documento d'identità"));
        QCOMPARE(r.File01, QString());

        // Open hands the copy in the folder to the desktop.
        inAttachments([](TfrmAllegaCartella *w) { child<QPushButton>(w, "btnApri02")->click(); });
        QCOMPARE(m_env->shell.opened.size(), 1);
        QCOMPARE(m_env->shell.opened[0], QUrl::fromLocalFile(folder() + QStringLiteral("Carta d'identità.pdf")));
    }

    void overwriteQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes replaces the folder's file") << true;
        QTest::newRow("no keeps it") << false;
    }
    void overwriteQuestion()
    {
        QFETCH(bool, yes);
        putInFolder(QStringLiteral("preventivo.pdf"), "another contact's file");
        m_env->fileDialogs.nextPaths << userFile(QStringLiteral("preventivo.pdf"), "this contact's file");
        m_env->dialogs.queue({yes});
        inAttachments([](TfrmAllegaCartella *w) {
            child<QPushButton>(w, "btnSfoglia01")->click();
            QCOMPARE(child<QLineEdit>(w, "txtFile01")->text(), QStringLiteral("preventivo.pdf"));
            child<QPushButton>(w, "btnApplica")->click();
        });
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QVERIFY(m_env->dialogs.shown[0].question);
        QCOMPARE(m_env->dialogs.shown[0].text, kQuestion);
        QCOMPARE(readBytes(folder() + QStringLiteral("preventivo.pdf")),
                 yes ? QByteArray("this contact's file") : QByteArray("another contact's file"));
        QCOMPARE(child<QLabel>(ed(), "lblFile01")->text(), QStringLiteral("preventivo.pdf"));
        QCOMPARE(folderEntries(), QStringList {QStringLiteral("preventivo.pdf")});
    }

    void aFileFromTheFolderItselfIsNotCopied()
    {
        putInFolder(QStringLiteral("già qui.txt"), "in place");
        m_env->fileDialogs.nextPaths << folder() + QStringLiteral("già qui.txt");
        inAttachments([](TfrmAllegaCartella *w) {
            child<QPushButton>(w, "btnSfoglia03")->click();
            QCOMPARE(child<QLineEdit>(w, "txtFile03")->text(), QStringLiteral("già qui.txt"));
        });
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QCOMPARE(readBytes(folder() + QStringLiteral("già qui.txt")), QByteArray("in place"));
    }

    void cancellingTheFileDialogChangesNothing()
    {
        ed()->ShowContactRecord(1, withAttachments());
        inAttachments([](TfrmAllegaCartella *w) {
            child<QPushButton>(w, "btnSfoglia01")->click(); // no path queued: the dialog is cancelled
            QCOMPARE(child<QLineEdit>(w, "txtFile01")->text(), QStringLiteral("patente.pdf"));
            child<QPushButton>(w, "btnApplica")->click();
        });
        QCOMPARE(m_env->fileDialogs.titles.size(), 1);
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QVERIFY(!QFileInfo::exists(folder()));
        QCOMPARE(child<QLabel>(ed(), "lblFile01")->text(), QStringLiteral("patente.pdf"));
    }

    void emptyingASlotKeepsItsDescription()
    {
        writeContactArchive({withAttachments()});
        putInFolder(QStringLiteral("patente.pdf"), "scan");
        child<PictureButton>(ed(), "cmdPrimo")->click();
        inAttachments([](TfrmAllegaCartella *w) {
            child<PictureButton>(w, "imgCancella01")->click();
            QCOMPARE(child<QLineEdit>(w, "txtFile01")->text(), QString());
            QVERIFY(!child<QPushButton>(w, "btnApri01")->isEnabled());
            QCOMPARE(child<QLineEdit>(w, "txtDesc01")->text(), QStringLiteral("Patente di guida"));
            child<QPushButton>(w, "btnApplica")->click();
        });
        QCOMPARE(child<QLabel>(ed(), "lblFile01")->text(), QString());
        QCOMPARE(child<QLabel>(ed(), "lblDesc01")->text(), QStringLiteral("Patente di guida"));
        QCOMPARE(child<QLabel>(ed(), "lblFile03")->text(), QStringLiteral("contratto.odt"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(stored(1).File01, QString());
        QCOMPARE(stored(1).Desc01, QStringLiteral("Patente di guida"));
        // The program never deletes an attachment file.
        QVERIFY(QFileInfo::exists(folder() + QStringLiteral("patente.pdf")));
    }

    void cancelKeepsTheEditorsSlotsButNotTheCopy()
    {
        ed()->ShowContactRecord(1, withAttachments());
        m_env->fileDialogs.nextPaths << userFile(QStringLiteral("nuovo.png"), "png");
        inAttachments([](TfrmAllegaCartella *w) {
            child<QPushButton>(w, "btnSfoglia01")->click();
            child<QLineEdit>(w, "txtDesc01")->setText(QStringLiteral("Cambiata"));
            child<QPushButton>(w, "btnAnnulla")->click();
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(child<QLabel>(ed(), "lblFile01")->text(), QStringLiteral("patente.pdf"));
        QCOMPARE(child<QLabel>(ed(), "lblDesc01")->text(), QStringLiteral("Patente di guida"));
        QCOMPARE(readBytes(folder() + QStringLiteral("nuovo.png")), QByteArray("png"));
    }

    void longDescriptionIsStoredAsItsFirst250Characters()
    {
        QString description;
        for (int i = 0; description.size() < 300; ++i)
            description += QStringLiteral("parola%1 ").arg(i);
        description = description.left(300);
        child<QLineEdit>(ed(), "txtNome")->setText(QStringLiteral("Mario Rossi"));
        child<QLineEdit>(ed(), "txtSesso")->setText(QStringLiteral("M"));
        inAttachments([&](TfrmAllegaCartella *w) {
            child<QLineEdit>(w, "txtDesc03")->setFocus();
            QTest::keyClicks(child<QLineEdit>(w, "txtDesc03"), description);
            QCOMPARE(child<QLineEdit>(w, "txtDesc03")->text(), description);
            child<QPushButton>(w, "btnApplica")->click();
        });
        QCOMPARE(child<QLabel>(ed(), "lblDesc03")->text(), description);
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(stored(1).Desc03, description.left(250).trimmed());
        QCOMPARE(child<QLabel>(ed(), "lblDesc03")->text(), description);
    }

    void onlyTheContactEditorGetsTheSlots()
    {
        TfrmAllegaCartella w(Opener::PaymentEditor, {QString(), QStringLiteral("a.txt")});
        QSignalSpy applied(&w, &TfrmAllegaCartella::attachmentsApplied);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        child<QPushButton>(&w, "btnApplica")->click();
        QCOMPARE(applied.count(), 0);
        QVERIFY(w.isVisible());

        TfrmAllegaCartella editors(Opener::ContactEditor, {QString(), QStringLiteral(" a.txt ")});
        QSignalSpy handed(&editors, &TfrmAllegaCartella::attachmentsApplied);
        editors.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editors));
        QCOMPARE(child<QLineEdit>(&editors, "txtFile02")->text(), QStringLiteral("a.txt"));
        child<QLineEdit>(&editors, "txtFile02")->setText(QStringLiteral("b.txt"));
        child<QPushButton>(&editors, "btnApplica")->click();
        QCOMPARE(handed.count(), 1);
        QCOMPARE(handed[0][0].toStringList(), (QStringList {QString(), QStringLiteral("b.txt"), QString()}));
        QVERIFY(!editors.isVisible());
    }

    // A copy that cannot be made says so and why, and the slot keeps its name.
    void failedCopies_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("why");
        QTest::newRow("read-only program folder") << "program folder"
                                                  << "privilegi di scrittura";
        QTest::newRow("read-only attachments folder") << "attachments folder"
                                                      << "privilegi di scrittura";
        QTest::newRow("unreadable file") << "unreadable"
                                         << "non può essere letto";
        QTest::newRow("disk full half-way over the old file") << "full"
                                                              << "spazio disponibile";
    }
    void failedCopies()
    {
        QFETCH(QString, failure);
        QFETCH(QString, why);
        ed()->ShowContactRecord(1, withAttachments());
        const QString chosen = userFile(QStringLiteral("contratto.odt"), QByteArray(512 * 1024, 'c'));
        m_env->fileDialogs.nextPaths << chosen;
        std::unique_ptr<FileSizeLimit> limit;
        if (failure == QLatin1String("program folder")) {
            QVERIFY(::chmod(QFile::encodeName(m_env->folder()).constData(), 0500) == 0);
        } else if (failure == QLatin1String("attachments folder")) {
            QVERIFY(QDir().mkpath(folder()));
            QVERIFY(::chmod(QFile::encodeName(folder()).constData(), 0500) == 0);
        } else if (failure == QLatin1String("unreadable")) {
            QVERIFY(::chmod(QFile::encodeName(chosen).constData(), 0) == 0);
        } else {
            putInFolder(QStringLiteral("contratto.odt"), "the old contract");
            m_env->dialogs.queue({true});
            limit = std::make_unique<FileSizeLimit>(64 * 1024);
            if (!limit->active())
                QSKIP("no file-size limit on this system");
        }
        const QStringList before = folderEntries();
        inAttachments([](TfrmAllegaCartella *w) {
            child<QPushButton>(w, "btnSfoglia01")->click();
            QCOMPARE(child<QLineEdit>(w, "txtFile01")->text(), QStringLiteral("patente.pdf"));
            QVERIFY(child<QPushButton>(w, "btnApri01")->isEnabled());
            child<QPushButton>(w, "btnApplica")->click();
        });
        limit.reset();
        const ShownMessage warning = m_env->dialogs.shown.last();
        QCOMPARE(warning.kind, MessageKind::Warning);
        QVERIFY2(warning.text.startsWith(QStringLiteral("Attenzione: non è stato possibile copiare il file "
                                                        "\"contratto.odt\" nella cartella dei documenti allegati")),
                 qPrintable(warning.text));
        QVERIFY2(warning.text.contains(why), qPrintable(warning.text));
        QCOMPARE(folderEntries(), before);
        if (failure == QLatin1String("full"))
            QCOMPARE(readBytes(folder() + QStringLiteral("contratto.odt")), QByteArray("the old contract"));
        QCOMPARE(child<QLabel>(ed(), "lblFile01")->text(), QStringLiteral("patente.pdf"));
    }

    void nameTheRecordCannotHold_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("kept");
        QTest::newRow("another script") << QString::fromUtf8("Договор.pdf") << "_______.pdf";
        QTest::newRow("emoji") << QString::fromUtf8("foto 😀.jpg") << "foto _.jpg";
        QTest::newRow("letters outside the set") << QString::fromUtf8("Łukasz Dąbrowski.odt") << "Lukasz Dabrowski.odt";
        QTest::newRow("their base letters") << QString::fromUtf8("Ștefan Țăranu.pdf") << "Stefan Taranu.pdf";
        QTest::newRow("too long") << QString(251, u'a') + ".pdf" << QString(246, u'a') + ".pdf";
    }
    void nameTheRecordCannotHold()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, kept);
        m_env->fileDialogs.nextPaths << userFile(chosen, "contents");
        child<QLineEdit>(ed(), "txtNome")->setText(QStringLiteral("Jan Kowalski"));
        child<QLineEdit>(ed(), "txtSesso")->setText(QStringLiteral("M"));
        inAttachments([&](TfrmAllegaCartella *w) {
            child<QPushButton>(w, "btnSfoglia01")->click();
            QCOMPARE(child<QLineEdit>(w, "txtFile01")->text(), kept);
            child<QPushButton>(w, "btnApplica")->click();
        });
        QCOMPARE(folderEntries(), QStringList {kept});
        QCOMPARE(readBytes(folder() + kept), QByteArray("contents"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        // What the record holds names the file that is there, and Open finds it.
        QCOMPARE(stored(1).File01, kept);
        child<PictureButton>(ed(), "cmdNuovo")->click();
        child<PictureButton>(ed(), "cmdPrimo")->click();
        inAttachments([](TfrmAllegaCartella *w) { child<QPushButton>(w, "btnApri01")->click(); });
        QCOMPARE(m_env->shell.opened.size(), 1);
        QCOMPARE(m_env->shell.opened[0], QUrl::fromLocalFile(folder() + kept));
    }

    // A name changed to fit is never asked about: it may be the fitted name of
    // a different file, which stays as it was.
    void aNameChangedToFitGetsOneOfItsOwn()
    {
        putInFolder(QStringLiteral("o.txt"), "kept before");
        m_env->fileDialogs.nextPaths << userFile(QString::fromUtf8("ő.txt"), "new");
        inAttachments([](TfrmAllegaCartella *w) {
            child<QPushButton>(w, "btnSfoglia01")->click();
            QCOMPARE(child<QLineEdit>(w, "txtFile01")->text(), QStringLiteral("o (2).txt"));
        });
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QCOMPARE(readBytes(folder() + QStringLiteral("o.txt")), QByteArray("kept before"));
        QCOMPARE(readBytes(folder() + QStringLiteral("o (2).txt")), QByteArray("new"));
        QCOMPARE(folderEntries(), (QStringList {QStringLiteral("o (2).txt"), QStringLiteral("o.txt")}));
    }

    // документ and договорр both fit the field only as ________: two contacts
    // attaching them keep two files, each linked to its own contact.
    void twoCyrillicNamesStayTwoFiles()
    {
        const QStringList chosen = {QString::fromUtf8("документ.pdf"), QString::fromUtf8("договорр.pdf")};
        const QStringList kept = {QStringLiteral("________.pdf"), QStringLiteral("________ (2).pdf")};
        const QStringList contacts = {QStringLiteral("Ivan Petrov"), QStringLiteral("Olga Ivanova")};
        for (int i = 0; i < 2; ++i) {
            child<PictureButton>(ed(), "cmdNuovo")->click();
            m_env->fileDialogs.nextPaths << userFile(chosen[i], "the document of " + contacts[i].toUtf8());
            child<QLineEdit>(ed(), "txtNome")->setText(contacts[i]);
            child<QLineEdit>(ed(), "txtSesso")->setText(QStringLiteral("M"));
            inAttachments([&](TfrmAllegaCartella *w) {
                child<QPushButton>(w, "btnSfoglia01")->click();
                QCOMPARE(child<QLineEdit>(w, "txtFile01")->text(), kept[i]);
                child<QPushButton>(w, "btnApplica")->click();
            });
            child<PictureButton>(ed(), "cmdSalva")->click();
        }
        // No question: neither name was the other's.
        QVERIFY(!m_env->dialogs.texts().contains(kQuestion));
        QCOMPARE(folderEntries(), (QStringList {kept[1], kept[0]}));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(stored(i + 1).Nome, contacts[i]);
            QCOMPARE(stored(i + 1).File01, kept[i]);
            QCOMPARE(readBytes(folder() + kept[i]), "the document of " + contacts[i].toUtf8());
        }
        // Open on each contact hands over that contact's own file.
        child<PictureButton>(ed(), "cmdPrimo")->click();
        inAttachments([](TfrmAllegaCartella *w) { child<QPushButton>(w, "btnApri01")->click(); });
        child<PictureButton>(ed(), "cmdUltimo")->click();
        inAttachments([](TfrmAllegaCartella *w) { child<QPushButton>(w, "btnApri01")->click(); });
        QCOMPARE(m_env->shell.opened,
                 (QVector<QUrl> {QUrl::fromLocalFile(folder() + kept[0]), QUrl::fromLocalFile(folder() + kept[1])}));
    }

    // A record written by another tool may name a file anywhere: Open names
    // only files of the attachments folder.
    void aNameOutsideTheFolderIsNotOpened_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("up and out") << "../../../../etc/passwd";
        QTest::newRow("one level up") << "../Anagrafica.pro";
        QTest::newRow("into a folder") << "sotto/documento.pdf";
        QTest::newRow("the other separator") << "..\\..\\boot.ini";
        QTest::newRow("the parent folder") << "..";
    }
    void aNameOutsideTheFolderIsNotOpened()
    {
        QFETCH(QString, stored);
        ContactRecord r = withAttachments();
        r.File02 = stored;
        writeContactArchive({r});
        putInFolder(QStringLiteral("patente.pdf"), "inside");
        child<PictureButton>(ed(), "cmdPrimo")->click();
        inAttachments([&](TfrmAllegaCartella *w) {
            QCOMPARE(child<QLineEdit>(w, "txtFile02")->text(), stored);
            QVERIFY(child<QPushButton>(w, "btnApri02")->isEnabled());
            child<QPushButton>(w, "btnApri02")->click();
            // The slot's own file still opens.
            child<QPushButton>(w, "btnApri01")->click();
        });
        QCOMPARE(m_env->shell.opened, QVector<QUrl> {QUrl::fromLocalFile(folder() + QStringLiteral("patente.pdf"))});
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Warning);
        QCOMPARE(m_env->dialogs.shown[0].text,
                 QStringLiteral("Attenzione: il nome \"%1\" non indica un file della cartella dei documenti allegati, "
                                "quindi il file non viene aperto.\r\n\r\n"
                                "Il nome è stato scritto nella scheda da un altro programma: allegare di nuovo il file "
                                "con \"Sfoglia...\".")
                     .arg(stored));
    }
};

QTEST_MAIN(TestContactAttachments)
#include "tst_contactattachments.moc"
