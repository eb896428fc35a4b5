#pragma once

#include "WavePlayerFactory.h"

#include <QString>
#include <memory>

class QPluginLoader;

// The sound plugin, loaded at the first player asked for: a game screen
// asks when it opens with the sound on, or at its first sound after the
// sound is switched on; never while it is off. Qt Multimedia and the
// libraries under it come with the plugin, so a start with the sound off
// does without them. One per run: the load is tried once, as a sound on
// every tick must not search the disk.
class SoundPluginLoader : public WavePlayerFactory
{
public:
    // Empty: plugins/ beside the executable.
    explicit SoundPluginLoader(QString pluginDir = {});
    ~SoundPluginLoader() override;

    // nullptr when the plugin is missing or will not load (logged on
    // plumeno.sound): no sound and no message, as with no audio device.
    std::unique_ptr<WavePlayer> createPlayer() override;

    bool isLoaded() const { return m_factory != nullptr; }
    int loadAttempts() const { return m_attempts; }

private:
    QString m_pluginDir;
    int m_attempts = 0;
    std::unique_ptr<QPluginLoader> m_loader; // kept for the run, as the plugin is
    WavePlayerFactory *m_factory = nullptr;
};
