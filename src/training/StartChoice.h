#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// What START on the training screen reads from its three boxes.
namespace StartChoice {

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
// The interval box alone, read as START reads it: the interval in single
// precision and in whole milliseconds, or the refusal.
struct IntervalReading
{
    float interval = 0;
    std::optional<int> intervalMs;
    QString refusal;
};
IntervalReading readInterval(QStringView intervalText);
// A round whose interval comes from elsewhere (its total time, or the
// automatic speed): the interval box is neither read nor checked, whatever
// it holds; the choice keeps its default interval.
StartReading readStartWithoutInterval(QStringView digitsText, QStringView termsText);

} // namespace StartChoice
