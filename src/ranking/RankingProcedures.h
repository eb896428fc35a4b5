#pragma once

// The two ranking files in the data folder, as the menu and the start of
// the program see them.
namespace Ranking {

// Missing ranking files are created with the default ranking, and the
// player told.
void ensureFiles();
bool writeDefaults();
// The ランキングの初期化 menu command: asks, then writes the defaults.
void reset();

void resetFileStateForTests();

} // namespace Ranking
