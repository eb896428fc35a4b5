#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <optional>

// The rules of a flash round that need no window.
namespace FlashRules {

enum class TickKind { Flash, Blank, Final };

// Tick k of a round of n terms: 1..n flash, n + 1 blanks, n + 2 and later end it.
TickKind tickKind(int tick, int terms);

// A number of exactly `digits` digits (1..9), all equally likely, never equal
// to `last`. `random` gives fractions in [0, 1).
std::int32_t drawNumber(const std::function<double()> &random, int digits, std::int32_t last);

struct TrainingChoice
{
    std::int16_t digits = 1;
    std::int16_t terms = 1;
    float interval = 1.0f; // seconds
    int intervalMs = 1000;
};

// START reads the three combo box texts: the leading number of each, digits
// and terms rounded with halves to even, the interval in single precision.
// Full-width digits, points and signs count as their half-width forms.
// Choices the round cannot run come back refused, with the message to show.
struct StartReading
{
    std::optional<TrainingChoice> choice;
    QString refusal;
};
StartReading readStart(QStringView digitsText, QStringView termsText, QStringView intervalText);

// The interval in whole milliseconds, halves to even.
double intervalMs(float seconds);

} // namespace FlashRules
