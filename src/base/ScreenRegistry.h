#pragma once

class QWidget;

// The six screens are single objects, created when first touched and gone
// when closed. The registry knows which of them are open.
namespace ScreenRegistry {

enum Number : int {
    Training = 1,
    Mode,
    Challenge,
    Ranking,
    FullScreen,
    About,
};
constexpr int ScreenCount = About;

void add(int number, QWidget *screen);

// The open screen with that number, or nullptr. A screen whose close went
// through is no longer open, even before Qt has deleted it.
QWidget *open(int number);

// The number a screen was added under, or 0.
int numberOf(const QWidget *screen);

// Closes every open screen; the program ends when the last one is gone.
void closeAll();

} // namespace ScreenRegistry
