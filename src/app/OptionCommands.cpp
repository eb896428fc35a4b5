#include "OptionCommands.h"

#include "ColorRef.h"
#include "MaxFontCalibration.h"
#include "Messages.h"
#include "Placement.h"
#include "ScreenColours.h"
#include "SettingsProcedures.h"
#include "SharedState.h"

#include <QColorDialog>
#include <QWidget>

namespace OptionCommands {
namespace {

ColorDialogHook &colorDialogHook()
{
    static ColorDialogHook hook;
    return hook;
}

std::optional<QColor> realColorDialog(const QColor &preset)
{
    // Qt's own dialog always shows the custom colour panel; a desktop's
    // native one may not. Its custom colours last for the whole run.
    QColorDialog dialog(preset, Placement::activeScreen());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QStringLiteral("色の設定"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

// chooseForeColor and chooseBackColor differ only in the colour they change.
void chooseColor(std::int32_t SharedState::*setting)
{
    Settings::ensureFile();
    SharedState &s = sharedState();
    const std::int32_t remembered = s.*setting;
    const QColor preset = ColorRef::toQColor(remembered);
    const std::optional<QColor> chosen = colorDialogHook() ? colorDialogHook()(preset) : realColorDialog(preset);
    // A cancelled dialog gives back the colour it started on, so the
    // setting keeps its value exactly, whatever its unused top byte held.
    if (chosen && chosen->isValid())
        s.*setting = ColorRef::fromQColor(*chosen);

    if (s.ForeColorSetting == s.BackColorSetting) {
        const Messages::Answer answer = Messages::show(QStringLiteral("背景色と文字色が同じです。よろしいですか？"),
                                        QStringLiteral("確認"), Messages::Buttons::YesNo);
        if (answer == Messages::Answer::No) {
            Messages::show(QStringLiteral("キャンセルしました"), QStringLiteral("キャンセル報告"));
            s.*setting = remembered;
            return;
        }
    }
    s.SettingsChanged = true;
    ScreenColours::applyToActiveScreen();
}

} // namespace

void setColorDialogHook(ColorDialogHook hook)
{
    colorDialogHook() = std::move(hook);
}

void chooseForeColor()
{
    chooseColor(&SharedState::ForeColorSetting);
}

void chooseBackColor()
{
    chooseColor(&SharedState::BackColorSetting);
}

void toggleMaxDisplay()
{
    Settings::ensureFile();
    SharedState &s = sharedState();
    s.MaxDisplayOn = !s.MaxDisplayOn;
    ScreenColours::applyToActiveScreen();
    // Only switching on measures the screen; switching off keeps the size
    // found last, which is saved with the settings.
    if (s.MaxDisplayOn)
        MaxFontCalibration::calibrate();
    s.SettingsChanged = true;
}

void toggleSound()
{
    Settings::ensureFile();
    SharedState &s = sharedState();
    s.SoundOff = !s.SoundOff;
    ScreenColours::applyToActiveScreen();
    s.SettingsChanged = true;
}

void resetSettings()
{
    Settings::ensureFile();
    const Messages::Answer answer =
        Messages::show(QStringLiteral("設定を初期化します。よろしいですか？"), QStringLiteral("確認"), Messages::Buttons::YesNo);
    if (answer == Messages::Answer::No) {
        Messages::show(QStringLiteral("キャンセルしました。"), QStringLiteral("キャンセル報告"));
        return;
    }
    // Memory only: the file keeps the old values unless they are saved on exit.
    Settings::setDefaults();
    ScreenColours::applyToActiveScreen();
    Messages::show(QStringLiteral("初期化しました。"), QStringLiteral("初期化報告"));
    sharedState().SettingsChanged = true;
}

} // namespace OptionCommands
