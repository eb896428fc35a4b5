#include "SoundEffects.h"

#include "MMControl.h"
#include "Module1.h"

namespace SoundEffects {

void prepare(MMControl *player)
{
    player->DeviceType = QStringLiteral("WaveAudio");
    player->Notify = false;
    player->Wait = false;
    player->Shareable = false;
}

void play(MMControl *player, const QString &name)
{
    if (Module1::State().SoundOff)
        return;
    player->Command(QStringLiteral("Close"));
    player->FileName = Module1::ProgramPath(QStringLiteral("SE/") + name + QStringLiteral(".wav"));
    player->Command(QStringLiteral("Open"));
    player->Command(QStringLiteral("Play"));
}

} // namespace SoundEffects
