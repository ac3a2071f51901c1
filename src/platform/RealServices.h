#pragma once
#include "platform/GuiServices.h"

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

// GStreamer's own types, so that its headers stay out of the windows.
typedef struct _GstElement GstElement;
typedef struct _GstBus GstBus;
typedef struct _GstMessage GstMessage;

// Plays the alarm through a GStreamer playbin of our own. Qt Multimedia's
// player started its sound late and lost the first second of it to the sound
// server, on every show; the plain pipeline plays it whole. The pipeline's
// messages (end, error) come through the GLib main loop that Qt runs on Linux.
class MediaAlarmPlayer : public AlarmPlayer {
public:
    // What became of the loaded sound, as far as the pipeline has said.
    enum MediaStatus {
        NoMedia,       // nothing loaded
        LoadedMedia,   // a file is set, not yet playing
        BufferedMedia, // decoded and playing
        EndOfMedia,    // played to its end
        InvalidMedia,  // the file could not be decoded (or nothing could play it)
    };

    MediaAlarmPlayer();
    ~MediaAlarmPlayer() override;
    bool load(const QString &path) override;
    bool isLoaded() const override;
    void play() override;
    void stop() override;

    // True while a loaded sound is playing.
    bool isPlaying() const;
    MediaStatus mediaStatus() const { return m_status; }
    // Silences the output (the tests and the benchmark drive the real player
    // without making a sound).
    void setMuted(bool muted);
    // True when GStreamer can be started here and has what playing an mp3
    // file takes (the tests skip the real player without it).
    static bool canPlayMp3();
private:
    bool ensurePipeline();
    void halt();
    static int onBusMessage(GstBus *bus, GstMessage *message, void *self);
    void handleMessage(GstMessage *message);
    GstElement *m_pipeline = nullptr;
    unsigned m_watch = 0;
    MediaStatus m_status = NoMedia;
    bool m_playing = false;
    bool m_muted = false;
};
