#include "SoundEffects.h"

#include "WavePlayerFactory.h"

#include <QDir>

SoundEffects::SoundEffects(WavePlayerFactory *source, QString folder, std::function<bool()> soundOn)
    : m_source(source)
    , m_folder(std::move(folder))
    , m_soundOn(std::move(soundOn))
{}

SoundEffects::~SoundEffects() = default;

QString SoundEffects::fileName(Sound sound)
{
    switch (sound) {
    case Sound::Clock:
        return QStringLiteral("clock.wav");
    case Sound::Hit:
        return QStringLiteral("hit.wav");
    case Sound::Miss:
        break;
    }
    return QStringLiteral("miss.wav");
}

WavePlayer *SoundEffects::player()
{
    if (!m_player && m_source)
        m_player = m_source->createPlayer();
    return m_player.get();
}

void SoundEffects::prepare()
{
    if (m_soundOn())
        player();
}

void SoundEffects::play(Sound sound)
{
    if (!m_soundOn())
        return;
    if (WavePlayer *p = player())
        p->play(QDir(m_folder).filePath(fileName(sound)));
}

void SoundEffects::stop()
{
    // No player yet: nothing has played that could still be sounding.
    if (m_player)
        m_player->stop();
}
