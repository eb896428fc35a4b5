#pragma once

#include "WavePlayer.h"

#include <QtPlugin>
#include <memory>

// What the sound plugin offers: a player for each game screen.
class WavePlayerFactory
{
public:
    virtual ~WavePlayerFactory() = default;
    virtual std::unique_ptr<WavePlayer> createPlayer() = 0;
};

Q_DECLARE_INTERFACE(WavePlayerFactory, "org.plumeno.WavePlayerFactory/1")
