#include "SoundPlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

SoundPlayer::CommandLog &commandLog()
{
    static SoundPlayer::CommandLog log;
    return log;
}

// Asked at every Open and Play, so that a device plugged in during the game is
// used from the next sound on. Without one, Qt would warn about every sound.
bool audioDevicePresent()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

} // namespace

SoundPlayer::SoundPlayer(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("soundPlayer"));
}

void SoundPlayer::setCommandLog(CommandLog log)
{
    commandLog() = std::move(log);
}

void SoundPlayer::command(const QString &command)
{
    if (commandLog()) {
        commandLog()(command, command == u"Open" ? m_fileName : QString());
        return;
    }
    if (command == u"Close")
        close();
    else if (command == u"Open")
        open();
    else if (command == u"Play")
        play();
}

void SoundPlayer::close()
{
    // Stops a sound that is still playing.
    if (m_sounding) {
        m_sounding->stop();
        m_sounding->deleteLater();
    }
    m_sounding = nullptr;
    m_openFile.clear();
}

void SoundPlayer::open()
{
    close();
    if (!QFileInfo(m_fileName).isFile() || !audioDevicePresent())
        return; // no sound, and no message
    if (!m_loaded.contains(m_fileName)) {
        auto *loaded = new QSoundEffect(this);
        loaded->setSource(QUrl::fromLocalFile(m_fileName));
        m_loaded.insert(m_fileName, loaded);
    }
    m_openFile = m_fileName;
}

void SoundPlayer::play()
{
    if (m_openFile.isEmpty() || !audioDevicePresent())
        return;
    if (m_sounding) {
        m_sounding->stop();
        m_sounding->deleteLater();
    }
    // A fresh effect for every sound: an effect that is stopped and played
    // again at once (Qt 6.4 with PulseAudio, measured at 0.1 s between
    // ticks) stays silent more often than not. The new one finds the wave
    // already loaded.
    m_sounding = new QSoundEffect(this);
    m_sounding->setSource(QUrl::fromLocalFile(m_openFile));
    m_sounding->play();
}
