#pragma once

namespace MaxFontCalibration {

// Finds the font size at which five digits fill the width of the screen the
// game is on, for the full-screen display, and keeps it in the settings.
void calibrate();

} // namespace MaxFontCalibration
