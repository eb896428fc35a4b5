#pragma once

#include <functional>

class QWidget;

// The game screens go back to the mode selection screen, which itself sits
// above them; the program tells them how to reach it.
namespace Navigation {

using ScreenOpener = std::function<QWidget *()>; // creates the screen when it is not open
void setModeScreenOpener(ScreenOpener opener);

// Shows the mode selection screen at the active screen's corner.
void showModeScreen();

} // namespace Navigation
