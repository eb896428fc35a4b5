#pragma once

#include "WavePlayer.h"

#include <QtPlugin>
#include <memory>

// Where a game screen's player comes from: the sound plugin, or a stand-in.
// nullptr when there is none to be had: then there is no sound.
class WavePlayerFactory
{
public:
    virtual ~WavePlayerFactory() = default;
    virtual std::unique_ptr<WavePlayer> createPlayer() = 0;
};

Q_DECLARE_INTERFACE(WavePlayerFactory, "org.plumeno.WavePlayerFactory/2")
