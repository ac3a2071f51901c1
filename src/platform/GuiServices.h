#pragma once
// Services with a window, a sound or the desktop behind them. Tests install
// recording replacements (tests/support) so that nothing real pops up.

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

enum class MessageKind { Warning, Information, Error, Plain };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A notice: warning, information and error boxes carry OK and Cancel, a plain
    // box carries OK only. The answer is never used.
    virtual void message(QWidget *parent, MessageKind kind, const QString &text) = 0;
    // A confirmation with Yes and No; true for Yes.
    virtual bool question(QWidget *parent, const QString &text) = 0;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // An existing file chosen by the user, or an empty text when cancelled.
    virtual QString openFile(QWidget *parent, const QString &title, const QString &filter) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Hands a local file, web or mail link to the desktop; false when the
    // desktop has no program for it.
    virtual bool open(const QUrl &url) = 0;
};

class AlarmPlayer {
public:
    virtual ~AlarmPlayer() = default;
    // Releases what was loaded, then loads the file; false when it cannot be loaded.
    virtual bool load(const QString &path) = 0;
    virtual bool isLoaded() const = 0;
    // Plays once from the start without waiting.
    virtual void play() = 0;
    virtual void stop() = 0;
};

namespace Services {
Dialogs &dialogs();
FileDialogs &fileDialogs();
Shell &shell();
AlarmPlayer &alarmPlayer();

// Each takes no ownership; nullptr restores the real service.
void setDialogs(Dialogs *d);
void setFileDialogs(FileDialogs *d);
void setShell(Shell *s);
void setAlarmPlayer(AlarmPlayer *p);

// Shorthands for the notices used everywhere.
inline void warning(QWidget *parent, const QString &text) { dialogs().message(parent, MessageKind::Warning, text); }
inline void information(QWidget *parent, const QString &text)
{
    dialogs().message(parent, MessageKind::Information, text);
}
inline void error(QWidget *parent, const QString &text) { dialogs().message(parent, MessageKind::Error, text); }
inline void plain(QWidget *parent, const QString &text) { dialogs().message(parent, MessageKind::Plain, text); }
inline bool ask(QWidget *parent, const QString &text) { return dialogs().question(parent, text); }
}
