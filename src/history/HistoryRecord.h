#pragma once

#include <QDate>
#include <QTime>
#include <cstdint>

// One line of the history: a training round or a challenge game.
struct HistoryRecord
{
    enum class Mode { Training, Challenge };
    enum class Result { Right, Wrong, Complete };

    QDate date;
    QTime time; // whole seconds
    Mode mode = Mode::Training;
    // A training round.
    int digits = 0;
    int terms = 0;
    int intervalMs = 0;
    int totalMs = 0; // 0: set by the interval
    int flashPercent = 100;
    int minusPercent = 0;
    bool replay = false;
    bool adaptive = false; // the interval came from the automatic speed
    Result result = Result::Wrong; // a challenge game: Wrong, or Complete when the ladder was cleared
    std::int64_t answerMs = 0;
    // A challenge game.
    int level = 0;
    std::int64_t score = 0;

    bool operator==(const HistoryRecord &) const = default;
};
