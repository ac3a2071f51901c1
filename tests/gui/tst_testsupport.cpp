// The test helpers themselves: a check that fails inside a modal window ends
// the test instead of hanging it, and the recording dialogs fail on a question
// nobody planned and on answers nobody asked for, and a control looked for by
// a name the window does not hold fails the test instead of crashing it. Each
// failing case runs in a child process of this test, which must report the
// failure and end.
#include "Controls.h"
#include "ModalDriver.h"
#include "TestServices.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {
const char kChild[] = "TARVENIO_SUPPORT_CHILD";

struct ChildRun {
    bool finished = false;
    int exitCode = -1;
    QString output;
    qint64 millis = 0;
};

ChildRun runChild(const QString &function)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChild), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {function});
    ChildRun run;
    run.finished = child.waitForFinished(60000);
    if (!run.finished)
        child.kill();
    run.millis = clock.elapsed();
    run.exitCode = child.exitCode();
    run.output = QString::fromUtf8(child.readAll());
    return run;
}

bool isChild() { return qEnvironmentVariableIsSet(kChild); }
}

class TestTestSupport : public QObject {
    Q_OBJECT

private slots:
    // What the parent checks.
    void failingCases_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("says");
        QTest::newRow("a check fails inside a modal window") << "childFailsInsideModal"
                                                             << "inside the modal";
        QTest::newRow("a question nobody answered") << "childUnplannedQuestion"
                                                    << "a question nobody answered";
        QTest::newRow("an answer nobody asked for") << "childUnusedAnswer"
                                                    << "never asked for";
        QTest::newRow("another window than the one expected") << "childWrongModal"
                                                              << "unexpected modal window";
        QTest::newRow("a control the window does not hold") << "childMissingControl"
                                                            << "has no control named txtNessuno";
        QTest::newRow("a missing control inside a modal window") << "childMissingControlInsideModal"
                                                                 << "has no control named btnNessuno";
    }
    void failingCases()
    {
        if (isChild())
            QSKIP("the child runs only its own case");
        QFETCH(QString, function);
        QFETCH(QString, says);
        const ChildRun run = runChild(function);
        QVERIFY2(run.finished, "the child hung instead of failing");
        QVERIFY2(run.exitCode != 0, qPrintable(run.output));
        QVERIFY2(run.output.contains(QStringLiteral("FAIL!")), qPrintable(run.output));
        QVERIFY2(run.output.contains(says), qPrintable(run.output));
    }

    void passingModalStepCloses()
    {
        if (isChild())
            QSKIP("parent case");
        QDialog dialog;
        bool acted = false;
        QVERIFY(whileModal<QDialog>([&dialog] { dialog.exec(); }, [&acted](QDialog *) { acted = true; }));
        QVERIFY(acted);
        QVERIFY(!dialog.isVisible());
    }

    // A control is found by its name among the window's own, whatever panel
    // holds it; not in a window opened over it, not when the name is taken
    // twice, not as another kind of control.
    void controlsByName()
    {
        if (isChild())
            QSKIP("parent case");
        QDialog window;
        window.setObjectName(QStringLiteral("frmProva"));
        auto *panel = new QWidget(&window);
        auto *box = new QLineEdit(panel);
        box->setObjectName(QStringLiteral("txtNome"));
        auto *caption = new QLabel(&window);
        caption->setObjectName(QStringLiteral("lblNome"));
        QDialog over(&window);
        auto *overBox = new QLineEdit(&over);
        overBox->setObjectName(QStringLiteral("txtNome"));
        auto *twice = new QLabel(&over);
        twice->setObjectName(QStringLiteral("lblDoppia"));
        (new QLabel(panel))->setObjectName(QStringLiteral("lblDoppia"));
        (new QLabel(&window))->setObjectName(QStringLiteral("lblDoppia"));

        QCOMPARE(child<QLineEdit>(&window, "txtNome"), box);
        QCOMPARE(child<QLineEdit>(&over, "txtNome"), overBox);
        QCOMPARE(child(&window, "lblNome"), static_cast<QWidget *>(caption));
        QString why;
        QVERIFY(!Controls::find(&window, "txtCognome", QLineEdit::staticMetaObject, &why));
        QCOMPARE(why, QStringLiteral("frmProva QDialog has no control named txtCognome"));
        QVERIFY(!Controls::find(&window, "lblNome", QLineEdit::staticMetaObject, &why));
        QCOMPARE(why, QStringLiteral("lblNome of frmProva QDialog is a QLabel, not a QLineEdit"));
        QVERIFY(!Controls::find(&window, "lblDoppia", QLabel::staticMetaObject, &why));
        QCOMPARE(why, QStringLiteral("frmProva QDialog has 2 controls named lblDoppia"));
        QCOMPARE(child<QLabel>(&over, "lblDoppia"), twice);
    }

    // The children: each must fail, and end.
    void childFailsInsideModal()
    {
        if (!isChild())
            QSKIP("runs in the child process only");
        QDialog dialog;
        onNextModal<QDialog>([](QDialog *) { QVERIFY2(false, "inside the modal"); });
        dialog.exec(); // returns because the helper closes the window
    }
    void childUnplannedQuestion()
    {
        if (!isChild())
            QSKIP("runs in the child process only");
        TestEnvironment env;
        Services::ask(nullptr, QStringLiteral("Si vuole continuare?"));
    }
    void childUnusedAnswer()
    {
        if (!isChild())
            QSKIP("runs in the child process only");
        TestEnvironment env;
        env.dialogs.queue({true});
    }
    void childWrongModal()
    {
        if (!isChild())
            QSKIP("runs in the child process only");
        QDialog dialog;
        onNextModal<QMessageBox>([](QMessageBox *) {});
        dialog.exec();
    }
    void childMissingControl()
    {
        if (!isChild())
            QSKIP("runs in the child process only");
        QDialog dialog;
        child<QLineEdit>(&dialog, "txtNessuno")->setText(QStringLiteral("mai"));
        QFAIL("went on past a missing control");
    }
    void childMissingControlInsideModal()
    {
        if (!isChild())
            QSKIP("runs in the child process only");
        QDialog dialog;
        onNextModal<QDialog>([](QDialog *w) {
            child<QPushButton>(w, "btnNessuno")->click();
            QFAIL("went on past a missing control");
        });
        dialog.exec(); // returns because the helper closes the window
    }
};

QTEST_MAIN(TestTestSupport)
#include "tst_testsupport.moc"
