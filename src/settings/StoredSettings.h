#pragma once

#include <cstdint>

// The five settings kept in the settings file, in file order. Colours are
// 0x00BBGGRR references (red in the low byte), as the file keeps them.
struct StoredSettings
{
    std::int32_t foreColour = 65280;
    std::int32_t backColour = 0;
    bool fullScreenDisplay = false;
    bool soundOff = false;
    std::int16_t maxFontSize = 0; // 0: never calibrated

    bool operator==(const StoredSettings &) const = default;
};
