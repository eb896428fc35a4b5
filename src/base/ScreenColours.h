#pragma once

#include <QString>

// Shows the colour settings and the menu check marks on a screen, by its
// object name: the number display of the training and challenge screens,
// the check marks of the three main screens, the full-screen display.
namespace ScreenColours {

void apply(const QString &screenName);

// The screen the player is using takes the settings now; the others take
// them when they are next loaded.
void applyToActiveScreen();

} // namespace ScreenColours
