#pragma once

#include "Sound.h"

#include <QString>
#include <functional>
#include <memory>

class WavePlayer;
class WavePlayerFactory;

// The sounds of one game screen. Whether the sound is on is asked at every
// sound, so switching it takes effect at the next one; a sound that is
// playing then plays to its end.
class SoundEffects
{
public:
    // `source` may be nullptr (no sound at all); `folder` holds the wave files.
    SoundEffects(WavePlayerFactory *source, QString folder, std::function<bool()> soundOn);
    ~SoundEffects();

    // With the sound on, the audio is made ready now, as the screen opens,
    // so that the first flash does not wait for it. With the sound off,
    // nothing: switched on later, the first sound makes it ready.
    void prepare();
    // Cuts a sound still playing short, also when it is the same one.
    void play(Sound sound);
    // Stops a sound still playing, whether the sound is on or off now.
    void stop();

    static QString fileName(Sound sound);

private:
    WavePlayer *player();

    WavePlayerFactory *m_source;
    QString m_folder;
    std::function<bool()> m_soundOn;
    std::unique_ptr<WavePlayer> m_player;
};
