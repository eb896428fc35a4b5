#pragma once

#include <vector>

// Onset errors of real rounds of the training screen: for every flash, when
// its number was set on the display and when the display was painted,
// against the ideal schedule START + k x interval.
struct FlashTimes
{
    std::vector<double> setErrorMs;
    std::vector<double> paintErrorMs;
    std::vector<double> lastFlashErrorMs; // the last flash of each round
};

enum class Scheduler { Game, PlainQtTimer };

FlashTimes measureTrainingRounds(int intervalMs, int rounds, int terms, Scheduler scheduler);
