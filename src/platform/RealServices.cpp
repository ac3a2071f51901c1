#include "platform/RealServices.h"

#include "platform/FixedWindow.h"
#include "platform/WindowHints.h"

#include <QApplication>
#include <QAudioOutput>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

void MessageBoxDialogs::message(QWidget *parent, MessageKind kind, const QString &text)
{
    QMessageBox box(parent);
    // Framed like the program's own fixed windows: no window-manager buttons.
    FixedWindow::apply(&box);
    box.setWindowTitle(QStringLiteral(" Tarvenio 3.0"));
    box.setText(text);
    switch (kind) {
    case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
    case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageKind::Plain: box.setIcon(QMessageBox::NoIcon); break;
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

MediaAlarmPlayer::MediaAlarmPlayer() = default;

MediaAlarmPlayer::~MediaAlarmPlayer()
{
    // Also cancels a pending replacement that would reach this object.
    delete m_player.data();
    delete m_output.data();
}

void MediaAlarmPlayer::ensurePlayer()
{
    if (m_broken)
        dropPlayer();
    if (m_player)
        return;
    m_output = new QAudioOutput(qApp);
    m_output->setMuted(m_muted);
    m_player = new QMediaPlayer(qApp);
    m_player->setAudioOutput(m_output);
    QObject::connect(m_player, &QMediaPlayer::errorOccurred, m_player, [this] { onError(); });
}

void MediaAlarmPlayer::dropPlayer()
{
    // Neither stopped nor cleared: on a pipeline in error either would block.
    // Deleting it does not.
    if (m_player) {
        m_player->disconnect();
        m_player->deleteLater();
    }
    if (m_output)
        m_output->deleteLater();
    m_player = nullptr;
    m_output = nullptr;
    m_loaded = false;
    m_broken = false;
}

void MediaAlarmPlayer::onError()
{
    // A damaged file is as silent as a missing one; the replacement is made
    // now, while the agenda is already on screen, rather than at its next show.
    m_broken = true;
    QTimer::singleShot(0, m_player, [this] {
        if (m_broken)
            ensurePlayer();
    });
}

bool MediaAlarmPlayer::load(const QString &path)
{
    ensurePlayer();
    if (m_player->playbackState() != QMediaPlayer::StoppedState)
        m_player->stop();
    m_player->setSource(QUrl());
    m_loaded = false;
    // The backend reports a bad file only later and asynchronously; a missing or
    // unreadable file is refused here so that nothing is ever played from it.
    QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return false;
    m_player->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    m_loaded = m_player->mediaStatus() != QMediaPlayer::InvalidMedia;
    return m_loaded;
}

bool MediaAlarmPlayer::isLoaded() const
{
    return m_loaded && !m_broken && m_player && m_player->mediaStatus() != QMediaPlayer::InvalidMedia;
}

bool MediaAlarmPlayer::isPlaying() const
{
    return isLoaded() && m_player->playbackState() == QMediaPlayer::PlayingState;
}

QMediaPlayer::MediaStatus MediaAlarmPlayer::mediaStatus() const
{
    return m_player ? m_player->mediaStatus() : QMediaPlayer::NoMedia;
}

void MediaAlarmPlayer::play()
{
    if (!isLoaded())
        return;
    m_player->setPosition(0);
    m_player->play();
}

void MediaAlarmPlayer::stop()
{
    if (m_broken)
        return; // nothing plays from a player in error, and stopping it would block
    if (m_player && m_player->playbackState() != QMediaPlayer::StoppedState)
        m_player->stop();
}

void MediaAlarmPlayer::setMuted(bool muted)
{
    m_muted = muted;
    if (m_output)
        m_output->setMuted(muted);
}
