#include "platform/RealServices.h"

#include "platform/FixedWindow.h"
#include "platform/WindowHints.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include <gst/gst.h>

void MessageBoxDialogs::message(QWidget *parent, MessageKind kind, const QString &text)
{
    QMessageBox box(parent);
    // Framed like the program's own fixed windows: no window-manager buttons.
    FixedWindow::apply(&box);
    box.setWindowTitle(QStringLiteral(" Tarvenio 3.0"));
    box.setText(text);
    switch (kind) {
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (kind == MessageKind::Plain)
        box.setStandardButtons(QMessageBox::Ok);
    else
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    // A plain box has no Cancel button to rename.
    if (QAbstractButton *cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("Annulla"));
    box.exec();
}

bool MessageBoxDialogs::question(QWidget *parent, const QString &text)
{
    QMessageBox box(parent);
    // Framed like the program's own fixed windows: no window-manager buttons.
    FixedWindow::apply(&box);
    box.setWindowTitle(QStringLiteral(" Tarvenio 3.0"));
    box.setIcon(QMessageBox::Question);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.setDefaultButton(QMessageBox::Yes);
    // Only an explicit No cancels; closing the box counts as Yes like the original buttons set.
    return box.exec() != QMessageBox::No;
}

QString QtFileDialogs::openFile(QWidget *parent, const QString &title, const QString &filter)
{
    QFileDialog dialog(parent, title, QString(), filter);
    WindowHints::dialog(&dialog, true);
    // Room for the name, size, type and date columns without cutting them.
    dialog.resize(960, 600);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

bool DesktopShell::open(const QUrl &url) { return QDesktopServices::openUrl(url); }

namespace {
// GStreamer starts once per process, on the first player that needs it; false
// when it cannot start here (the player is then silent).
bool gstreamerReady()
{
    static const bool ready = [] {
        GError *error = nullptr;
        const bool ok = gst_init_check(nullptr, nullptr, &error);
        if (error)
            g_error_free(error);
        return ok;
    }();
    return ready;
}

// playbin's GST_PLAY_FLAG_AUDIO and GST_PLAY_FLAG_SOFT_VOLUME (its flags have no
// public header): sound only, so a cover picture inside the mp3 never opens a
// video window, and mute works on any sink.
constexpr guint kAudioOnlyFlags = 0x02 | 0x10;
}

MediaAlarmPlayer::MediaAlarmPlayer() = default;

MediaAlarmPlayer::~MediaAlarmPlayer()
{
    if (m_watch)
        g_source_remove(m_watch);
    if (m_pipeline) {
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
        gst_object_unref(m_pipeline);
    }
}

bool MediaAlarmPlayer::canPlayMp3()
{
    if (!gstreamerReady())
        return false;
    for (const char *name : {"playbin", "autoaudiosink"}) {
        GstElementFactory *factory = gst_element_factory_find(name);
        if (!factory)
            return false;
        gst_object_unref(factory);
    }
    GList *decoders =
        gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER | GST_ELEMENT_FACTORY_TYPE_MEDIA_AUDIO,
                                              GST_RANK_MARGINAL);
    GstCaps *mp3 = gst_caps_from_string("audio/mpeg, mpegversion=(int)1, layer=(int)3");
    GList *mp3Decoders = gst_element_factory_list_filter(decoders, mp3, GST_PAD_SINK, FALSE);
    const bool found = mp3Decoders != nullptr;
    gst_plugin_feature_list_free(mp3Decoders);
    gst_plugin_feature_list_free(decoders);
    gst_caps_unref(mp3);
    return found;
}

bool MediaAlarmPlayer::ensurePipeline()
{
    if (m_pipeline)
        return true;
    if (!gstreamerReady())
        return false;
    m_pipeline = gst_element_factory_make("playbin", nullptr);
    if (!m_pipeline)
        return false;
    gst_object_ref_sink(m_pipeline);
    g_object_set(m_pipeline, "flags", kAudioOnlyFlags, "mute", gboolean(m_muted), nullptr);
    GstBus *bus = gst_element_get_bus(m_pipeline);
    m_watch = gst_bus_add_watch(bus, &MediaAlarmPlayer::onBusMessage, this);
    gst_object_unref(bus);
    return true;
}

void MediaAlarmPlayer::halt()
{
    // NULL waits only for the pipeline's own threads, which end at once, in
    // error too; it also drops the messages still queued on the bus, so none
    // of an earlier sound reaches the next one.
    if (m_pipeline)
        gst_element_set_state(m_pipeline, GST_STATE_NULL);
    m_playing = false;
}

int MediaAlarmPlayer::onBusMessage(GstBus *, GstMessage *message, void *self)
{
    static_cast<MediaAlarmPlayer *>(self)->handleMessage(message);
    return G_SOURCE_CONTINUE;
}

void MediaAlarmPlayer::handleMessage(GstMessage *message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_ERROR:
        // A damaged file is as silent as a missing one.
        halt();
        m_status = InvalidMedia;
        break;
    case GST_MESSAGE_EOS:
        // Stopped rather than left at its end, so the sound server gets its
        // stream back between shows.
        halt();
        m_status = EndOfMedia;
        break;
    case GST_MESSAGE_STATE_CHANGED:
        if (GST_MESSAGE_SRC(message) == GST_OBJECT(m_pipeline)) {
            GstState state = GST_STATE_VOID_PENDING;
            gst_message_parse_state_changed(message, nullptr, &state, nullptr);
            if (state == GST_STATE_PLAYING && m_status == LoadedMedia)
                m_status = BufferedMedia;
        }
        break;
    default:
        break;
    }
}

bool MediaAlarmPlayer::load(const QString &path)
{
    halt();
    m_status = NoMedia;
    // The pipeline finds a bad file only later and asynchronously; a missing or
    // unreadable file is refused here so that nothing is ever played from it.
    QFileInfo info(path);
    if (!info.isFile() || !info.isReadable() || !ensurePipeline())
        return false;
    gchar *uri = gst_filename_to_uri(QFile::encodeName(info.absoluteFilePath()).constData(), nullptr);
    if (!uri)
        return false;
    g_object_set(m_pipeline, "uri", uri, nullptr);
    g_free(uri);
    m_status = LoadedMedia;
    return true;
}

bool MediaAlarmPlayer::isLoaded() const { return m_status != NoMedia && m_status != InvalidMedia; }

bool MediaAlarmPlayer::isPlaying() const { return isLoaded() && m_playing; }

void MediaAlarmPlayer::play()
{
    if (!isLoaded())
        return;
    halt(); // from the start, whatever it did before
    m_status = LoadedMedia;
    if (gst_element_set_state(m_pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        halt();
        m_status = InvalidMedia;
        return;
    }
    m_playing = true;
}

void MediaAlarmPlayer::stop()
{
    if (!m_playing)
        return;
    halt();
    m_status = LoadedMedia;
}

void MediaAlarmPlayer::setMuted(bool muted)
{
    m_muted = muted;
    if (m_pipeline)
        g_object_set(m_pipeline, "mute", gboolean(muted), nullptr);
}
