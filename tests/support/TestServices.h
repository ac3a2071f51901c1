#pragma once
// Recording stand-ins for the services, and one fixture that installs them all
// over a temporary program folder with a fixed date.

#include "platform/GuiServices.h"
#include "platform/Services.h"
#include "report/ReportOutput.h"

#include <QByteArray>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <memory>

struct ShownMessage {
    MessageKind kind;
    QString text;
    bool question = false;
};

class FakeDialogs : public Dialogs {
public:
    void message(QWidget *parent, MessageKind kind, const QString &text) override;
    bool question(QWidget *parent, const QString &text) override;

    QVector<ShownMessage> shown;
    // Answers for the next questions, true for Yes. A question with no answer
    // queued fails the test.
    QQueue<bool> answers;
    void queue(std::initializer_list<bool> list)
    {
        for (bool b : list)
            answers.enqueue(b);
    }
    QStringList texts() const;
    void clear() { shown.clear(); }
    // Fails the test when answers are left over: a question the test expected
    // never came. The test environment checks this when it goes.
    void verifyAllAnswersUsed();
};

class FakeFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget *parent, const QString &title, const QString &filter) override;
    QQueue<QString> nextPaths;
    QStringList titles;
    QStringList filters;
};

class FakeShell : public Shell {
public:
    bool open(const QUrl &url) override
    {
        opened.append(url);
        return accepts;
    }
    QVector<QUrl> opened;
    // What the desktop answers: false as when no program is associated.
    bool accepts = true;
};

class FakeAlarmPlayer : public AlarmPlayer {
public:
    bool load(const QString &path) override;
    bool isLoaded() const override { return m_loaded; }
    void play() override;
    void stop() override;
    // "load:<file name>", "play", "stop" in order.
    QStringList events;
    int plays() const { return int(events.count(QStringLiteral("play"))); }
    bool playing = false;
private:
    bool m_loaded = false;
};

// Prints and previews into PDF files in the program folder.
class FakeReportOutput : public ReportOutput {
public:
    PrintResult print(QWidget *parent, const PreparedReport &report) override;
    bool preview(QWidget *parent, const PreparedReport &report) override;
    QStringList printed;   // PDF paths, in order
    QStringList previewed; // PDF paths, in order
    QStringList titles;    // the report names

    // What the next prints do: Cancelled and Failed write nothing. A PDF that
    // cannot be written fails too.
    PrintResult printAnswer = PrintResult::Printed;
    // The next previews fail and write nothing.
    bool previewFails = false;
    // Every print and preview asked for, whatever came of it.
    int printRequests = 0;
    int previewRequests = 0;
};

class TestEnvironment {
public:
    // A fresh program folder and every service replaced; the date is fixed.
    explicit TestEnvironment(QDate today = QDate(2025, 5, 15), QTime now = QTime(10, 0));
    ~TestEnvironment();

    QString folder() const { return Services::programFolder(); }
    QString file(const QString &name) const { return Services::programFile(name); }
    void writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;

    FixedClock clock;
    FakeDialogs dialogs;
    FakeFileDialogs fileDialogs;
    FakeShell shell;
    FakeAlarmPlayer alarm;
    FakeReportOutput reports;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

// The text of a PDF file as pdftotext reads it (layout kept); empty when it fails.
QString pdfText(const QString &path);
// One field of pdfinfo about a PDF file, such as "Pages" or "Page size".
QString pdfInfo(const QString &path, const QString &field);

// Types text one character at a time, non-ASCII characters included.
void typeText(QWidget *widget, const QString &text);

class RowListView;
// Selects a row of a list and double-clicks it, as the user does.
void doubleClick(RowListView *list, int row);
