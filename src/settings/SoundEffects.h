#pragma once

#include <QString>

class MMControl;

// The sound methods both game screens share: prepare a screen's player,
// and play one of "clock", "hit", "miss" unless sound effects are off.
namespace SoundEffects {

void prepare(MMControl *player);
void play(MMControl *player, const QString &name);

} // namespace SoundEffects
