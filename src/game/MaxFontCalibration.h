#pragma once

#include <cstdint>

namespace MaxFontCalibration {

// Finds the font size at which five digits fill a screen that wide (in
// twips: the one the game is on), for the full-screen display; the size
// goes into the settings.
std::int16_t calibrate(double screenWidth);

} // namespace MaxFontCalibration
