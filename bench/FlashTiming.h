#pragma once

#include <vector>

// Onset errors of real rounds: for every flash, when its number was set on
// the display and when the display was painted, against the ideal schedule
// START + k x interval.
struct FlashTimes
{
    std::vector<double> setErrorMs;
    std::vector<double> paintErrorMs;
    std::vector<double> lastFlashErrorMs; // the last flash of each round
};

enum class Scheduler { Game, PlainQtTimer };

// Rounds of the training screen, `terms` numbers each.
FlashTimes measureTrainingRounds(int intervalMs, int rounds, int terms, Scheduler scheduler);

// Levels of the challenge screen, answered right, at `intervalMs` whatever
// the level's own interval, until at least `flashes` numbers have flashed.
FlashTimes measureChallengeRounds(int intervalMs, int flashes, Scheduler scheduler);
