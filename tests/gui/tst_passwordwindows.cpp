// The password window at start-up and the password change window.
#include "Controls.h"
#include "ResidentFixture.h"
#include "TestServices.h"
#include "WriteFailure.h"

#include "app/PasswordFile.h"
#include "app/PasswordScrambling.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "app/Windows.h"
#include "ui/widgets/FocusFrame.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray passwordFileFor(const QString &password)
{
    return "[Accesso]\r\nValore=" + ScramblePassword(password).toLatin1() + "\r\n";
}

QByteArray utf16le(const QByteArray &latin1)
{
    QByteArray out("\xFF\xFE");
    for (char c : latin1)
        out.append(c).append('\0');
    return out;
}

// What may take the password file's place after a copy or an edit elsewhere.
QByteArray strangeFile(const QString &kind)
{
    const QByteArray value = ScramblePassword(QStringLiteral("TARVENIO")).toLatin1();
    if (kind == QLatin1String("UTF-8 mark"))
        return "\xEF\xBB\xBF[Accesso]\r\nValore=" + value + "\r\n";
    if (kind == QLatin1String("CR only"))
        return "[Accesso]\rValore=" + value + "\r";
    if (kind == QLatin1String("UTF-16"))
        return utf16le("[Accesso]\r\nValore=" + value + "\r\n");
    if (kind == QLatin1String("1 MB"))
        return passwordFileFor(QStringLiteral("TARVENIO")) + ";" + QByteArray(1 << 20, 'x');
    return {};
}
}

// A file the program cannot read as the password file: what each window says.
namespace {
void makeUnreadable(const QString &path, const QString &kind)
{
    QFile::remove(path);
    if (kind == QLatin1String("FIFO")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray bytes = strangeFile(kind);
        QCOMPARE(f.write(bytes), bytes.size());
    }
}
}

class TestPasswordWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;

    TfrmPassword *login() const { return Windows::resident().password; }
    TfrmCambiaPassword *change() const { return Windows::resident().cambiaPassword; }
    TfrmAvvio *menu() const { return Windows::resident().avvio; }
    QByteArray storedBytes() const { return m_env->readFile(QStringLiteral("unins000.dll")); }
    void storePassword(const QString &password) const
    {
        m_env->writeFile(QStringLiteral("unins000.dll"), passwordFileFor(password));
    }

    void type(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->clear();
        typeText(box, text);
    }
    void enter(QWidget *box) { QTest::keyClick(box, Qt::Key_Return); }
    void tryPassword(const QString &text)
    {
        type(child<QLineEdit>(login(), "txtPassword"), text);
        enter(child<QLineEdit>(login(), "txtPassword"));
    }
    void openChange()
    {
        child<QPushButton>(login(), "btnCambiaPassword")->click();
        QVERIFY(change()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(change()));
    }
    void fillChange(const QString &old, const QString &fresh, const QString &confirm)
    {
        type(child<QLineEdit>(change(), "txtPasswordOld"), old);
        type(child<QLineEdit>(change(), "txtPasswordNew"), fresh);
        type(child<QLineEdit>(change(), "txtConferma"), confirm);
    }
    // Back at the password window, with an empty box that has the focus.
    void backAtLogin()
    {
        QVERIFY(login()->isVisible());
        QVERIFY(!change()->isVisible());
        QVERIFY(child<QLineEdit>(login(), "txtPassword")->text().isEmpty());
        QVERIFY(QTest::qWaitForWindowActive(login()));
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(login(), "txtPassword"));
        QVERIFY(!child<QPushButton>(login(), "cmdOK")->isEnabled());
    }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>();
        storePassword(QStringLiteral("TARVENIO"));
        Residents::switchTo(nullptr, Windows::first());
        QVERIFY(QTest::qWaitForWindowActive(login()));
    }
    void cleanup()
    {
        QFile::setPermissions(m_env->file(QStringLiteral("unins000.dll")), QFile::ReadOwner | QFile::WriteOwner);
        m_env.reset();
    }

    void shownFirst()
    {
        QCOMPARE(Windows::first(), static_cast<QWidget *>(login()));
        QVERIFY(login()->isVisible());
        QVERIFY(!menu()->isVisible());
        QCOMPARE(login()->windowTitle(), QStringLiteral(" Tarvenio 3.0 - Autenticazione"));
        QCOMPARE(child<QLabel>(login(), "lblRigo05")->text(), QStringLiteral("Immetti la password e premi OK."));
        QCOMPARE(child<QLineEdit>(login(), "txtPassword")->echoMode(), QLineEdit::Password);
        QCOMPARE(child<QLineEdit>(login(), "txtPassword")->font().pointSize(), 14);
        QVERIFY(child<QLineEdit>(login(), "txtPassword")->font().bold());
        QCOMPARE(child<QPushButton>(login(), "cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(child<QAbstractButton>(login(), "cmdEsci")->text(), QStringLiteral("Esci"));
        QCOMPARE(child<QPushButton>(login(), "btnCambiaPassword")->text(), QStringLiteral("Cambia password"));
        QVERIFY(!child<QPushButton>(login(), "cmdOK")->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(login(), "txtPassword"));
        QVERIFY(child<FocusFrame>(login(), "effPassword")->isVisible());
        // No close, minimise or maximise buttons: the window is left through its own.
        QVERIFY(!(login()->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(login()->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void okFollowsTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << "    " << false;
        QTest::newRow("one letter") << "a" << true;
        QTest::newRow("blanks around") << "  a  " << true;
    }
    void okFollowsTheText()
    {
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        type(child<QLineEdit>(login(), "txtPassword"), text);
        QCOMPARE(child<QPushButton>(login(), "cmdOK")->isEnabled(), enabled);
        // Erasing it all disables OK again.
        child<QLineEdit>(login(), "txtPassword")->selectAll();
        QTest::keyClick(child<QLineEdit>(login(), "txtPassword"), Qt::Key_Backspace);
        QVERIFY(!child<QPushButton>(login(), "cmdOK")->isEnabled());
    }

    void enterOnBlanksDoesNothing()
    {
        type(child<QLineEdit>(login(), "txtPassword"), QStringLiteral("   "));
        enter(child<QLineEdit>(login(), "txtPassword"));
        QTest::keyClick(child<QLineEdit>(login(), "txtPassword"), Qt::Key_Enter);
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QVERIFY(login()->isVisible());
        QCOMPARE(child<QLineEdit>(login(), "txtPassword")->text(), QStringLiteral("   "));
    }

    void rightPasswordOpensTheMenu_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("as stored, Enter") << "TARVENIO" << true;
        QTest::newRow("lower case, OK") << "tarvenio" << false;
        QTest::newRow("mixed case with blanks, Enter") << "  TarVenio  " << true;
    }
    void rightPasswordOpensTheMenu()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        type(child<QLineEdit>(login(), "txtPassword"), typed);
        if (byEnter)
            enter(child<QLineEdit>(login(), "txtPassword"));
        else
            QTest::mouseClick(child<QPushButton>(login(), "cmdOK"), Qt::LeftButton);
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QVERIFY(menu()->isVisible());
        QVERIFY(!login()->isVisible());
        QVERIFY(child<QLineEdit>(login(), "txtPassword")->text().isEmpty());
    }

    void wrongPassword()
    {
        tryPassword(QStringLiteral("sbagliata"));
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Plain);
        QCOMPARE(m_env->dialogs.shown[0].text, QStringLiteral("Attenzione: password errata."));
        QVERIFY(login()->isVisible());
        QVERIFY(!menu()->isVisible());
        QVERIFY(child<QLineEdit>(login(), "txtPassword")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(login(), "txtPassword"));
        // No limit on the attempts.
        tryPassword(QStringLiteral("ancora no"));
        tryPassword(QStringLiteral("tarvenio"));
        QCOMPARE(m_env->dialogs.shown.size(), 2);
        QVERIFY(menu()->isVisible());
    }

    void letterCaseOnlyForAtoZ()
    {
        storePassword(QStringLiteral("CAFFè"));
        // Only a to z are turned to capitals: è stays è.
        tryPassword(QStringLiteral("CAFFÈ"));
        QCOMPARE(m_env->dialogs.texts(), QStringList {QStringLiteral("Attenzione: password errata.")});
        tryPassword(QStringLiteral("caffè"));
        QVERIFY(menu()->isVisible());
    }

    void missingFileRefusesEverything()
    {
        QVERIFY(QFile::remove(m_env->file(QStringLiteral("unins000.dll"))));
        tryPassword(QStringLiteral("tarvenio"));
        QCOMPARE(m_env->dialogs.texts(), QStringList {QStringLiteral("Attenzione: password errata.")});
        QVERIFY(login()->isVisible());
    }

    void damagedFileGivesTheReadingError_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("two letters Z") << QByteArray("[Accesso]\r\nValore=ZZ\r\n");
        QTest::newRow("bad pair after good ones") << QByteArray("[Accesso]\r\nValore=48FBQ1\r\n");
    }
    void damagedFileGivesTheReadingError()
    {
        QFETCH(QByteArray, content);
        m_env->writeFile(QStringLiteral("unins000.dll"), content);
        tryPassword(QStringLiteral("tarvenio"));
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Plain);
        QCOMPARE(m_env->dialogs.shown[0].text,
                 QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della password. "
                                "Si consiglia di reinstallare il software."));
        QVERIFY(login()->isVisible());
        QCOMPARE(child<QLineEdit>(login(), "txtPassword")->text(), QStringLiteral("tarvenio"));
    }

    void fileFromAnotherSystemIsRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("UTF-8 mark") << "UTF-8 mark";
        QTest::newRow("CR only") << "CR only";
        QTest::newRow("UTF-16") << "UTF-16";
    }
    void fileFromAnotherSystemIsRead()
    {
        QFETCH(QString, kind);
        m_env->writeFile(QStringLiteral("unins000.dll"), strangeFile(kind));
        tryPassword(QStringLiteral("sbagliata"));
        QCOMPARE(m_env->dialogs.texts(), QStringList {TfrmPassword::wrongPasswordMessage()});
        tryPassword(QStringLiteral("tarvenio"));
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QVERIFY(menu()->isVisible());
    }

    void notAPasswordFileGivesTheReadingError_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "FIFO";
        QTest::newRow("1 MB") << "1 MB";
    }
    void notAPasswordFileGivesTheReadingError()
    {
        QFETCH(QString, kind);
        const QString path = m_env->file(QStringLiteral("unins000.dll"));
        makeUnreadable(path, kind);
        // A FIFO once hung the login; should it again, the alarm ends the test.
        ::alarm(60);
        tryPassword(QStringLiteral("tarvenio"));
        QCOMPARE(m_env->dialogs.texts(), QStringList {TfrmPassword::readErrorMessage()});
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Plain);
        QVERIFY(login()->isVisible());
        QCOMPARE(child<QLineEdit>(login(), "txtPassword")->text(), QStringLiteral("tarvenio"));

        m_env->dialogs.clear();
        child<QLineEdit>(login(), "txtPassword")->clear();
        openChange();
        fillChange(QStringLiteral("tarvenio"), QStringLiteral("nuova"), QStringLiteral("nuova"));
        QTest::mouseClick(child<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        ::alarm(0);
        QCOMPARE(m_env->dialogs.texts(), QStringList {TfrmCambiaPassword::changeErrorMessage()});
        QVERIFY(change()->isVisible());
        if (kind == QLatin1String("FIFO"))
            QVERIFY(!QFileInfo(path).isFile());
        else
            QCOMPARE(storedBytes(), strangeFile(kind));
        ::unlink(QFile::encodeName(path).constData());
    }

    void changeOnAFullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::newRow("nothing fits") << qint64(0);
        QTest::newRow("part fits") << qint64(16);
    }
    void changeOnAFullDiskKeepsTheOldFile()
    {
        QFETCH(qint64, limit);
        const QByteArray before = storedBytes();
        openChange();
        fillChange(QStringLiteral("tarvenio"), QStringLiteral("nuova"), QStringLiteral("nuova"));
        {
            FileSizeLimit full(limit);
            QVERIFY(full.active());
            QTest::mouseClick(child<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        }
        QCOMPARE(m_env->dialogs.texts(), QStringList {TfrmCambiaPassword::changeErrorMessage()});
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Plain);
        QVERIFY(change()->isVisible());
        QCOMPARE(child<QLineEdit>(change(), "txtPasswordNew")->text(), QStringLiteral("nuova"));
        QCOMPARE(storedBytes(), before);
        QCOMPARE(QDir(m_env->folder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList {QStringLiteral("unins000.dll")});
        // The old password still opens the program.
        QTest::mouseClick(child<QAbstractButton>(change(), "cmdEsci"), Qt::LeftButton);
        m_env->dialogs.clear();
        tryPassword(QStringLiteral("tarvenio"));
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QVERIFY(menu()->isVisible());
    }

    void esciEndsTheProgram()
    {
        QSignalSpy quit(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, child<QAbstractButton>(login(), "cmdEsci"), &QPushButton::click);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(quit.count(), 1);
    }

    void changeWindowLooksRight()
    {
        type(child<QLineEdit>(login(), "txtPassword"), QStringLiteral("qualcosa"));
        openChange();
        QVERIFY(!login()->isVisible());
        QCOMPARE(change()->windowTitle(), QStringLiteral(" Cambia password"));
        QCOMPARE(child<QLabel>(change(), "lblRigo05")->text(), QStringLiteral("Vecchia password:"));
        QCOMPARE(child<QLabel>(change(), "lblRigo06")->text(), QStringLiteral("Nuova password:"));
        QCOMPARE(child<QLabel>(change(), "lblRigo07")->text(), QStringLiteral("Conferma nuova password:"));
        QCOMPARE(child<QAbstractButton>(change(), "cmdEsci")->text(), QStringLiteral("Chiudi"));
        for (QLineEdit *box :
             {child<QLineEdit>(change(), "txtPasswordOld"), child<QLineEdit>(change(), "txtPasswordNew"),
              child<QLineEdit>(change(), "txtConferma")}) {
            QCOMPARE(box->echoMode(), QLineEdit::Password);
            QVERIFY(box->text().isEmpty());
        }
        QVERIFY(!child<QPushButton>(change(), "cmdOK")->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(change(), "txtPasswordOld"));
        QVERIFY(!(change()->windowFlags() & Qt::WindowCloseButtonHint));
    }

    void enterMovesRoundTheBoxes()
    {
        openChange();
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(change(), "txtPasswordOld"));
        const QList<QPair<QLineEdit *, FocusFrame *>> chain =
            {{child<QLineEdit>(change(), "txtPasswordOld"), child<FocusFrame>(change(), "effPasswordOld")},
             {child<QLineEdit>(change(), "txtPasswordNew"), child<FocusFrame>(change(), "effPasswordNew")},
             {child<QLineEdit>(change(), "txtConferma"), child<FocusFrame>(change(), "effConferma")}};
        for (int step = 0; step < 4; ++step) {
            const auto &here = chain[step % 3];
            QCOMPARE(QApplication::focusWidget(), here.first);
            for (const auto &box : chain)
                QCOMPARE(box.second->isVisible(), box.first == here.first);
            typeText(here.first, QStringLiteral("x"));
            enter(here.first);
        }
        // All three filled, yet Enter never confirms.
        QVERIFY(child<QPushButton>(change(), "cmdOK")->isEnabled());
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QVERIFY(change()->isVisible());
        QCOMPARE(storedBytes(), passwordFileFor(QStringLiteral("TARVENIO")));
    }

    void okNeedsAllThree_data()
    {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("all three") << "a"
                                   << "b"
                                   << "b" << true;
        QTest::newRow("old blank") << "  "
                                   << "b"
                                   << "b" << false;
        QTest::newRow("new empty") << "a"
                                   << ""
                                   << "b" << false;
        QTest::newRow("confirmation blank") << "a"
                                            << "b"
                                            << " " << false;
    }
    void okNeedsAllThree()
    {
        QFETCH(QString, old);
        QFETCH(QString, fresh);
        QFETCH(QString, confirm);
        QFETCH(bool, enabled);
        openChange();
        fillChange(old, fresh, confirm);
        QCOMPARE(child<QPushButton>(change(), "cmdOK")->isEnabled(), enabled);
    }

    void successfulChange()
    {
        openChange();
        fillChange(QStringLiteral("tarvenio"), QStringLiteral("  Nuova Chiave  "), QStringLiteral("Nuova Chiave"));
        QTest::mouseClick(child<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        QCOMPARE(m_env->dialogs.texts(),
                 QStringList {QStringLiteral("Modifica della password completata con successo.")});
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Plain);
        // Stored upper-cased and trimmed.
        QCOMPARE(storedBytes(), passwordFileFor(QStringLiteral("NUOVA CHIAVE")));
        backAtLogin();

        m_env->dialogs.clear();
        tryPassword(QStringLiteral("tarvenio"));
        QCOMPARE(m_env->dialogs.texts(), QStringList {QStringLiteral("Attenzione: password errata.")});
        tryPassword(QStringLiteral("nuova chiave"));
        QVERIFY(menu()->isVisible());
    }

    void oldPasswordWrong()
    {
        openChange();
        fillChange(QStringLiteral("sbagliata"), QStringLiteral("nuova"), QStringLiteral("nuova"));
        QTest::mouseClick(child<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        QCOMPARE(m_env->dialogs.texts(), QStringList {QStringLiteral("Attenzione: vecchia password errata.")});
        QVERIFY(child<QLineEdit>(change(), "txtPasswordOld")->text().isEmpty());
        QCOMPARE(child<QLineEdit>(change(), "txtPasswordNew")->text(), QStringLiteral("nuova"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(change(), "txtPasswordOld"));
        QVERIFY(change()->isVisible());
        QCOMPARE(storedBytes(), passwordFileFor(QStringLiteral("TARVENIO")));
    }

    void missingFileRefusesTheOldPassword()
    {
        QVERIFY(QFile::remove(m_env->file(QStringLiteral("unins000.dll"))));
        openChange();
        fillChange(QStringLiteral("tarvenio"), QStringLiteral("nuova"), QStringLiteral("nuova"));
        QTest::mouseClick(child<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        QCOMPARE(m_env->dialogs.texts(), QStringList {QStringLiteral("Attenzione: vecchia password errata.")});
        QVERIFY(!QFile::exists(m_env->file(QStringLiteral("unins000.dll"))));
    }

    void newPasswordRefused_data()
    {
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message");
        const QString notConfirmed =
            QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                           "E' necessario reinserire entrambi i valori.");
        QTest::newRow("different") << "uno"
                                   << "due" << notConfirmed;
        QTest::newRow("letter case differs") << "Nuova"
                                             << "nuova" << notConfirmed;
        QTest::newRow("euro sign") << "costo€"
                                   << "costo€" << TfrmCambiaPassword::unstorableMessage();
        QTest::newRow("beyond Latin-1") << "Łódź"
                                        << "Łódź" << TfrmCambiaPassword::unstorableMessage();
        QTest::newRow("256 characters") << QString(256, QLatin1Char('k')) << QString(256, QLatin1Char('k'))
                                        << TfrmCambiaPassword::tooLongMessage();
    }
    void newPasswordRefused()
    {
        QFETCH(QString, fresh);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        openChange();
        type(child<QLineEdit>(change(), "txtPasswordOld"), QStringLiteral("tarvenio"));
        // Set directly: typing 256 characters one by one adds nothing to the test.
        child<QLineEdit>(change(), "txtPasswordNew")->setText(fresh);
        child<QLineEdit>(change(), "txtConferma")->setText(confirm);
        QTest::mouseClick(child<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        QCOMPARE(m_env->dialogs.texts(), QStringList {message});
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Plain);
        QVERIFY(child<QLineEdit>(change(), "txtPasswordNew")->text().isEmpty());
        QVERIFY(child<QLineEdit>(change(), "txtConferma")->text().isEmpty());
        QCOMPARE(child<QLineEdit>(change(), "txtPasswordOld")->text(), QStringLiteral("tarvenio"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(change(), "txtPasswordNew"));
        QVERIFY(change()->isVisible());
        QCOMPARE(storedBytes(), passwordFileFor(QStringLiteral("TARVENIO")));
    }

    void longestPasswordAccepted()
    {
        const QString longest(255, QLatin1Char('w'));
        openChange();
        type(child<QLineEdit>(change(), "txtPasswordOld"), QStringLiteral("tarvenio"));
        child<QLineEdit>(change(), "txtPasswordNew")->setText(longest);
        child<QLineEdit>(change(), "txtConferma")->setText(longest);
        QTest::mouseClick(child<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        QCOMPARE(m_env->dialogs.texts(), QStringList {TfrmCambiaPassword::doneMessage()});
        child<QLineEdit>(login(), "txtPassword")->setText(longest);
        QTest::mouseClick(child<QPushButton>(login(), "cmdOK"), Qt::LeftButton);
        QVERIFY(menu()->isVisible());
    }

    void unwritableFileKeepsItsValue()
    {
        const QString path = m_env->file(QStringLiteral("unins000.dll"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        openChange();
        fillChange(QStringLiteral("tarvenio"), QStringLiteral("nuova"), QStringLiteral("nuova"));
        QTest::mouseClick(child<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        QCOMPARE(m_env->dialogs.texts(),
                 QStringList {QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                                             "della password. Si consiglia di reinstallare il software.")});
        QVERIFY(change()->isVisible());
        QCOMPARE(child<QLineEdit>(change(), "txtPasswordOld")->text(), QStringLiteral("tarvenio"));
        QCOMPARE(child<QLineEdit>(change(), "txtPasswordNew")->text(), QStringLiteral("nuova"));
        QCOMPARE(child<QLineEdit>(change(), "txtConferma")->text(), QStringLiteral("nuova"));
        QCOMPARE(storedBytes(), passwordFileFor(QStringLiteral("TARVENIO")));
    }

    void damagedFileGivesTheChangeError()
    {
        m_env->writeFile(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=ZZ\r\n");
        openChange();
        fillChange(QStringLiteral("tarvenio"), QStringLiteral("nuova"), QStringLiteral("nuova"));
        QTest::mouseClick(child<QPushButton>(change(), "cmdOK"), Qt::LeftButton);
        QCOMPARE(m_env->dialogs.texts(), QStringList {TfrmCambiaPassword::changeErrorMessage()});
        QCOMPARE(storedBytes(), QByteArray("[Accesso]\r\nValore=ZZ\r\n"));
    }

    void chiudiWritesNothing()
    {
        openChange();
        fillChange(QStringLiteral("tarvenio"), QStringLiteral("nuova"), QStringLiteral("nuova"));
        QTest::mouseClick(child<QAbstractButton>(change(), "cmdEsci"), Qt::LeftButton);
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QCOMPARE(storedBytes(), passwordFileFor(QStringLiteral("TARVENIO")));
        backAtLogin();
        // The boxes start empty at the next visit.
        openChange();
        QVERIFY(child<QLineEdit>(change(), "txtPasswordOld")->text().isEmpty());
        QVERIFY(child<QLineEdit>(change(), "txtPasswordNew")->text().isEmpty());
        QVERIFY(!child<QPushButton>(change(), "cmdOK")->isEnabled());
    }
};

QTEST_MAIN(TestPasswordWindows)
#include "tst_passwordwindows.moc"
