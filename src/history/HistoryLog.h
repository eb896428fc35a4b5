#pragma once

#include "HistoryRecord.h"

#include <cstdint>

// Adds rounds and games to the history while the player keeps one.
namespace HistoryLog {

// Stamps the record with the time now and appends it; a file that cannot
// be written is reported, and the game goes on.
void add(HistoryRecord record);

// A challenge game that has ended, as the challenge screen tells it; only
// written down while the history is on.
void challengeEnded(int level, std::int32_t score, bool complete);

} // namespace HistoryLog
