#include "MultimediaSoundPlugin.h"

#include "StreamWavePlayer.h"

std::unique_ptr<WavePlayer> MultimediaSoundPlugin::createPlayer()
{
    return std::make_unique<StreamWavePlayer>();
}
