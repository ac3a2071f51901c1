#pragma once
// Stand-ins for every service with a window, a sound or the desktop behind it,
// so that taking the manual's pictures shows, plays and opens nothing. A
// question is answered No: nothing the pictures need asks one.

#include "platform/GuiServices.h"
#include "report/ReportOutput.h"

#include <functional>

class SilentDialogs : public Dialogs {
public:
    void message(QWidget *, MessageKind, const QString &) override { }
    bool question(QWidget *, const QString &) override { return false; }
};

class SilentFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget *, const QString &, const QString &) override { return {}; }
};

class SilentShell : public Shell {
public:
    bool open(const QUrl &) override { return true; }
};

class SilentAlarmPlayer : public AlarmPlayer {
public:
    bool load(const QString &) override { return m_loaded = true; }
    bool isLoaded() const override { return m_loaded; }
    void play() override { }
    void stop() override { }

private:
    bool m_loaded = false;
};

// Prints nothing; a preview is handed to `onPreview` (the picture of the
// preview window) instead of being shown until the user closes it.
class SilentReportOutput : public ReportOutput {
public:
    PrintResult print(QWidget *, const PreparedReport &) override { return PrintResult::Cancelled; }
    bool preview(QWidget *parent, const PreparedReport &report) override;
    std::function<void(QWidget *parent, const PreparedReport &report)> onPreview;
};
