#pragma once

#include "PlayerFiles.h"
#include "Staircase.h"

#include <QString>
#include <optional>

// The training extras a player can switch on in 「練習の詳細設定」. All of
// them are off by default, and with all of them off a training round is the
// designed one. They live in a file of their own in the data folder.
struct TrainingExtras
{
    enum class Review { Never, AfterWrong, Always };
    // 速さの自動調整: the interval found by a staircase aiming at a share of
    // right answers. It never goes with a round set by its total time.
    enum class Adaptive { Off, About70, About80 };

    static constexpr int MinFlashPercent = 50;
    static constexpr int MaxMinusPercent = 50;
    static constexpr int MinTotalMs = 100;
    static constexpr int MaxTotalMs = 3600000;

    int flashPercent = 100; // of the interval a number stays up; the rest is blank
    bool byTotalTime = false; // the round is set by its total time, not the interval
    int totalMs = 1650; // from the first flash to the end of the last
    int minusPercent = 0; // share of the numbers that are subtracted
    Review review = Review::Never;
    bool keepHistory = false;
    Adaptive adaptive = Adaptive::Off;

    bool operator==(const TrainingExtras &) const = default;

    static QString fileName() { return PlayerFiles::Extras; }
    // Missing or damaged values read as their defaults, silently.
    static TrainingExtras load();
    // False when the file could not be written.
    bool save() const;

    static Staircase::Rule rule(Adaptive adaptive);
    // The staircase of a digits x terms setting for an aim, kept in the same
    // file so the next day starts where the player left off; none when it
    // is missing or damaged.
    static std::optional<Staircase::State> loadStaircase(Adaptive adaptive, int digits, int terms);
    static bool saveStaircase(Adaptive adaptive, int digits, int terms, const Staircase::State &state);
};
