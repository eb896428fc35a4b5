#pragma once

class QWidget;

// Which main screen the player is on, and where the other windows open
// relative to it. Sizes are in twips.
namespace Placement {

// The training, challenge or mode screen the player is using, or nullptr.
QWidget *activeScreen();
void noteActiveMainScreen(QWidget *screen);

// Ranking and about open at the active screen's corner; the answer and the
// name dialog centred over it.
void placeAtActiveScreen(QWidget *window);
void centerOnActiveScreen(QWidget *window);

double screenWidth();  // of the screen the game is on
double screenHeight();
void setScreenSizeForTests(double widthTwips, double heightTwips); // 0, 0: the real screen

void resetForTests();

} // namespace Placement
