// The test helpers themselves: a check that fails inside a modal window ends
// the test instead of hanging it, and the recording dialogs fail on a question
// nobody planned and on answers nobody asked for. Each failing case runs in a
// child process of this test, which must report the failure and end.
#include "ModalDriver.h"
#include "TestServices.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
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
        QTest::newRow("a check fails inside a modal window") << "childFailsInsideModal" << "inside the modal";
        QTest::newRow("a question nobody answered") << "childUnplannedQuestion" << "a question nobody answered";
        QTest::newRow("an answer nobody asked for") << "childUnusedAnswer" << "never asked for";
        QTest::newRow("another window than the one expected") << "childWrongModal" << "unexpected modal window";
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
};

QTEST_MAIN(TestTestSupport)
#include "tst_testsupport.moc"
