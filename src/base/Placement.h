#pragma once

class QScreen;
class QWidget;

// Which main screen the player is on, and where the other windows open
// relative to it. Sizes are in twips.
namespace Placement {

// The training, challenge or mode screen the player is using, or nullptr.
QWidget *activeScreen();
void noteActiveMainScreen(QWidget *screen);

// Ranking and about open at the active screen's corner; the answer and the
// name dialog centred over it, and they stay with it (keepWith).
void placeAtActiveScreen(QWidget *window);
void centerOnActiveScreen(QWidget *window);

// Gives `window` its owner's window as transient parent, so that compositors
// that place windows themselves (Wayland) open it over the game; where the
// window system honours positions, it stays where it was put.
void keepWith(QWidget *window, QWidget *owner);
// What a message box opened now belongs to: the modal dialog open over the
// game (the name dialog for its own 確認), or else the active screen.
QWidget *messageOwner();

// The screen the game is on: the active screen's, else the primary one.
QScreen *gameScreen();
double screenWidth(); // of the screen the game is on

} // namespace Placement
