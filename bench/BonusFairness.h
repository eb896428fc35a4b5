#pragma once

// The time bonus at level 10 (interval 1100 ms, bonus 11600) after the
// answer dialog has been open for `holdMs`, optionally with the event loop
// held up for 250 ms of every 300 while the dialog is open.
struct BonusFigures
{
    int bonusLeft = 0;
    int countdownTicks = 0; // how many 100 ms ticks actually arrived
    double openMs = 0; // how long the dialog really was open
};

BonusFigures measureBonusAtLevel10(int holdMs, bool busyEventLoop);
