#include "TestServices.h"

#include "platform/ProcessSettings.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/RowList.h"

#include <QFile>
#include <QProcess>
#include <QFileInfo>
#include <QTest>

void FakeDialogs::message(QWidget *, MessageKind kind, const QString &text) { shown.append({kind, text, false}); }

bool FakeDialogs::question(QWidget *, const QString &text)
{
    shown.append({MessageKind::Plain, text, true});
    if (answers.isEmpty()) {
        // A question the test did not plan for is a failure, not a silent "No".
        QTest::qFail(qPrintable(QStringLiteral("a question nobody answered: ") + text), __FILE__, __LINE__);
        return false;
    }
    return answers.dequeue();
}

QStringList FakeDialogs::texts() const
{
    QStringList out;
    for (const auto &m : shown)
        out << m.text;
    return out;
}

QString FakeFileDialogs::openFile(QWidget *, const QString &title, const QString &filter)
{
    titles << title;
    filters << filter;
    return nextPaths.isEmpty() ? QString() : nextPaths.dequeue();
}

bool FakeAlarmPlayer::load(const QString &path)
{
    playing = false;
    m_loaded = QFileInfo(path).isFile();
    if (m_loaded)
        events << QStringLiteral("load:") + QFileInfo(path).fileName();
    return m_loaded;
}

void FakeAlarmPlayer::play()
{
    if (!m_loaded)
        return;
    playing = true;
    events << QStringLiteral("play");
}

void FakeAlarmPlayer::stop()
{
    playing = false;
    events << QStringLiteral("stop");
}

TestEnvironment::TestEnvironment(QDate today, QTime now)
    : clock(today, now)
    , m_dir(std::make_unique<QTemporaryDir>())
{
    // As start-up does, once for the process.
    ProcessSettings::apply();
    Look::install();
    Services::setProgramFolder(m_dir->path());
    Services::setClock(&clock);
    Services::setDialogs(&dialogs);
    Services::setFileDialogs(&fileDialogs);
    Services::setShell(&shell);
    Services::setAlarmPlayer(&alarm);
    Services::setReportOutput(&reports);
}

void FakeDialogs::verifyAllAnswersUsed()
{
    if (!answers.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("%1 queued answer(s) were never asked for").arg(answers.size())),
                     __FILE__, __LINE__);
    answers.clear();
}

TestEnvironment::~TestEnvironment()
{
    dialogs.verifyAllAnswersUsed();
    Services::setProgramFolder({});
    Services::setClock(nullptr);
    Services::setDialogs(nullptr);
    Services::setFileDialogs(nullptr);
    Services::setShell(nullptr);
    Services::setAlarmPlayer(nullptr);
    Services::setReportOutput(nullptr);
}

void TestEnvironment::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(f.fileName()));
}

QByteArray TestEnvironment::readFile(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 128 && c.isPrint())
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

PrintResult FakeReportOutput::print(QWidget *, const PreparedReport &report)
{
    ++printRequests;
    if (printAnswer != PrintResult::Printed)
        return printAnswer;
    const QString path = Services::programFile(QStringLiteral("stampa-%1.pdf").arg(printed.size() + 1));
    if (!report.writePdf(path))
        return PrintResult::Failed;
    printed << path;
    titles << report.layout().name;
    return PrintResult::Printed;
}

bool FakeReportOutput::preview(QWidget *, const PreparedReport &report)
{
    ++previewRequests;
    if (previewFails)
        return false;
    const QString path = Services::programFile(QStringLiteral("anteprima-%1.pdf").arg(previewed.size() + 1));
    if (!report.writePdf(path))
        return false;
    previewed << path;
    titles << report.layout().name;
    return true;
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfInfo(const QString &path, const QString &field)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed();
    return {};
}

void doubleClick(RowListView *list, int row)
{
    list->setCurrentRow(row);
    emit list->doubleClicked(list->rowModel()->index(row));
}
