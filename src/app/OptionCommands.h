#pragma once

#include "StoredSettings.h"

#include <cstdint>

class ColourDialog;
class SettingsStore;

// The 設定 menu's commands on the settings. Each change stays in memory and
// marks the settings as changed; they are saved on exit if the player agrees.
class OptionCommands
{
public:
    OptionCommands(SettingsStore &settings, ColourDialog &colourDialog);

    void chooseForeColour();
    void chooseBackColour();
    void toggleFullScreenDisplay();
    void toggleSound();
    void resetSettings();

private:
    void chooseColour(std::int32_t StoredSettings::*setting);

    SettingsStore &m_settings;
    ColourDialog &m_colourDialog;
};
