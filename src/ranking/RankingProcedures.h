#pragma once

#include <QStringList>

// The two ranking files in the data folder, as the menu and the start of
// the program see them.
namespace Ranking {

// Missing ranking files are created with the default ranking, and the
// player told.
void ensureFiles();
bool writeDefaults();
// The ランキングの初期化 menu command: asks, then writes the defaults.
void reset();

// Just before the ranking is saved over them: each ranking file that has
// rows which cannot be read is copied aside. Returns what to tell the
// player, naming each copy. Call with the data lock held.
QStringList keepDamagedAside();
// Finishes a save of the pair that a crash cut short. Call with the data
// lock held.
void finishInterruptedSave();

void resetFileStateForTests();

} // namespace Ranking
