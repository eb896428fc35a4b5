#pragma once

#include <QString>

class SoundPlayer;

// The sound methods both game screens share: prepare a screen's player,
// and play one of "clock", "hit", "miss" unless sound effects are off.
namespace SoundEffects {

void prepare(SoundPlayer *player, bool soundOff);
void play(SoundPlayer *player, const QString &name, bool soundOff);

} // namespace SoundEffects
