#pragma once
#include "platform/GuiServices.h"

#include <QPointer>
#include <QMediaPlayer>
#include <QAudioOutput>


class MessageBoxDialogs : public Dialogs {
public:
    void message(QWidget *parent, MessageKind kind, const QString &text) override;
    bool question(QWidget *parent, const QString &text) override;
};

class QtFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget *parent, const QString &title, const QString &filter) override;
};

class DesktopShell : public Shell {
public:
    bool open(const QUrl &url) override;
};

// Plays the alarm through Qt Multimedia. A file the backend cannot decode
// leaves its pipeline in an error state in which every later stop() or
// setSource() waits about a second for a state change that never comes; so
// the player is thrown away and made anew as soon as it reports an error, and
// the next show of the agenda finds a fresh one.
class MediaAlarmPlayer : public AlarmPlayer {
public:
    MediaAlarmPlayer();
    ~MediaAlarmPlayer() override;
    bool load(const QString &path) override;
    bool isLoaded() const override;
    void play() override;
    void stop() override;

    // True while a loaded sound is playing.
    bool isPlaying() const;
    // The backend's view of the sound (NoMedia before the first load).
    QMediaPlayer::MediaStatus mediaStatus() const;
    // Silences the output (the tests and the benchmark drive the real player
    // without making a sound).
    void setMuted(bool muted);
private:
    void ensurePlayer();
    void dropPlayer();
    void onError();
    // Owned by the application object so they go before Qt Multimedia unloads.
    QPointer<QMediaPlayer> m_player;
    QPointer<QAudioOutput> m_output;
    bool m_loaded = false;
    bool m_broken = false;
    bool m_muted = false;
};
