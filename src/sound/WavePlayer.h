#pragma once

#include <QString>

// Plays the game's wave files for one game screen: one sound at a time, a
// new one cutting the last one short, every failure silent. The audio
// library behind it lives in a plugin (see SoundBackend), so that a game
// with its sound off never loads it.
class WavePlayer
{
public:
    virtual ~WavePlayer() = default;

    // The file Play sounds from now on; nothing plays when it cannot be.
    virtual void open(const QString &fileName) = 0;
    virtual void play() = 0;
    // Stops a sound still playing and forgets the open file.
    virtual void close() = 0;
};
