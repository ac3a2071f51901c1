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
    void open(const QUrl &url) override;
};

class MediaAlarmPlayer : public AlarmPlayer {
public:
    MediaAlarmPlayer();
    ~MediaAlarmPlayer() override;
    bool load(const QString &path) override;
    bool isLoaded() const override;
    void play() override;
    void stop() override;
private:
    void ensurePlayer();
    // Owned by the application object so they go before Qt Multimedia unloads.
    QPointer<QMediaPlayer> m_player;
    QPointer<QAudioOutput> m_output;
    bool m_loaded = false;
};
