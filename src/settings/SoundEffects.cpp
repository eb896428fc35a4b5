#include "SoundEffects.h"

#include "ProgramPaths.h"
#include "SoundPlayer.h"

namespace SoundEffects {

void prepare(SoundPlayer *player, bool soundOff)
{
    player->m_deviceType = QStringLiteral("WaveAudio");
    player->m_notify = false;
    player->m_wait = false;
    player->m_shareable = false;
    // With the sound on, the player's audio is made ready now, as the screen
    // opens, so that the first flash does not wait for it. With the sound
    // off, nothing: switched on later, the first sound makes it ready.
    if (!soundOff)
        player->makeReady();
}

void play(SoundPlayer *player, const QString &name, bool soundOff)
{
    if (soundOff)
        return;
    player->command(QStringLiteral("Close"));
    player->m_fileName = ProgramPaths::programPath(QStringLiteral("SE/") + name + QStringLiteral(".wav"));
    player->command(QStringLiteral("Open"));
    player->command(QStringLiteral("Play"));
}

} // namespace SoundEffects
