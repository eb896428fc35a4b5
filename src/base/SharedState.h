#pragma once

#include <QString>
#include <cstdint>

// Program-wide variables, alive for the whole run. The first five are the
// settings kept in the settings file, in file order.
struct SharedState
{
    std::int32_t ForeColorSetting = 0;
    std::int32_t BackColorSetting = 0;
    bool MaxDisplayOn = false;
    bool SoundOff = false;
    std::int16_t MaxFontSize = 0;

    std::int32_t AnswerValue = 0;
    QString PlayerName;
    QString MaxDisplayText;
    bool SettingsChanged = false;
    bool StartupDone = false;
};

// The one record of the whole run.
SharedState &sharedState();
