#include "MultimediaSoundPlugin.h"

#include "SoundEffectPlayer.h"

std::unique_ptr<WavePlayer> MultimediaSoundPlugin::createPlayer()
{
    return std::make_unique<SoundEffectPlayer>();
}
