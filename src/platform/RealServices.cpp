#include "platform/RealServices.h"

#include <QApplication>
#include <QAudioOutput>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPushButton>

void MessageBoxDialogs::message(QWidget *parent, MessageKind kind, const QString &text)
{
    QMessageBox box(parent);
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
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

void DesktopShell::open(const QUrl &url) { QDesktopServices::openUrl(url); }

MediaAlarmPlayer::MediaAlarmPlayer() = default;

MediaAlarmPlayer::~MediaAlarmPlayer() = default;

void MediaAlarmPlayer::ensurePlayer()
{
    if (m_player)
        return;
    m_output = new QAudioOutput(qApp);
    m_player = new QMediaPlayer(qApp);
    m_player->setAudioOutput(m_output);
}

bool MediaAlarmPlayer::load(const QString &path)
{
    ensurePlayer();
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
    return m_loaded && m_player && m_player->mediaStatus() != QMediaPlayer::InvalidMedia;
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
    if (m_player)
        m_player->stop();
}
