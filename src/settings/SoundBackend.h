#pragma once

#include "WavePlayer.h"

#include <QString>
#include <memory>

// The sound plugin: loaded when a game screen opens with the sound on, or at
// its first sound after the sound is switched on; never while it is off. Qt Multimedia and the libraries under it
// come with it, so a start with the sound off does without them.
namespace SoundBackend {

// A player from the plugin, or nullptr when the plugin is missing or will not
// load: then there is no sound and no message, as with no audio device.
std::unique_ptr<WavePlayer> createPlayer();

bool isLoaded();
int loadAttempts(); // how often the program has tried to load the plugin

// Where the plugin is looked for; empty: plugins/ beside the executable.
// Changing it lets a failed load be tried again there.
void setPluginDir(const QString &dir);

} // namespace SoundBackend
