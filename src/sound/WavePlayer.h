#pragma once

#include <QString>

// Plays wave files for one game screen: one sound at a time, a new one
// cutting the last one short, every failure silent. The audio library
// behind it lives in a plugin (see SoundPluginLoader), so that a game with
// its sound off never loads it.
class WavePlayer
{
public:
    virtual ~WavePlayer() = default;

    // Stops what is playing and starts the file; nothing plays when it cannot be.
    virtual void play(const QString &fileName) = 0;
    // Stops a sound still playing.
    virtual void stop() = 0;
};
