#include "SoundEffectPlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

// Asked at every Open and Play, so that a device plugged in during the game is
// used from the next sound on. Without one, Qt would warn about every sound.
bool audioDevicePresent()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

} // namespace

SoundEffectPlayer::SoundEffectPlayer() = default;

SoundEffectPlayer::~SoundEffectPlayer() = default;

void SoundEffectPlayer::close()
{
    // Stops a sound that is still playing.
    if (m_sounding) {
        m_sounding->stop();
        m_sounding->deleteLater();
    }
    m_sounding = nullptr;
    m_openFile.clear();
}

void SoundEffectPlayer::open(const QString &fileName)
{
    close();
    if (!QFileInfo(fileName).isFile() || !audioDevicePresent())
        return; // no sound, and no message
    if (!m_loaded.contains(fileName)) {
        auto *loaded = new QSoundEffect(this);
        loaded->setSource(QUrl::fromLocalFile(fileName));
        m_loaded.insert(fileName, loaded);
    }
    m_openFile = fileName;
}

void SoundEffectPlayer::play()
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
