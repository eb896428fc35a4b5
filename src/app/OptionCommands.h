#pragma once

#include <QColor>
#include <functional>
#include <optional>

// The 設定 menu's commands on the settings. Each change stays in memory and
// marks the settings as changed; they are saved on exit if the player agrees.
namespace OptionCommands {

void chooseForeColor();
void chooseBackColor();
void toggleMaxDisplay();
void toggleSound();
void resetSettings();

// The colour dialog: starts on the given colour, returns the colour chosen
// or nullopt when cancelled. Replaceable for tests.
using ColorDialogHook = std::function<std::optional<QColor>(const QColor &preset)>;
void setColorDialogHook(ColorDialogHook hook);

} // namespace OptionCommands
