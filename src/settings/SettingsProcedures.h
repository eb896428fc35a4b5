#pragma once

// The settings file in the data folder and the settings in memory.
namespace Settings {

// The five stored settings take their defaults, in memory only.
void setDefaults();
// A missing settings file is created with the defaults, and the player told.
void ensureFile();
void readFile();
bool writeFile();

// Offers to save settings that were changed during the run.
void confirmSave();

// Every way out of the program ends here: the save question, then every
// screen closes, and the program ends with the last one.
void exitApplication();

void resetFileStateForTests();

} // namespace Settings
