#include "OptionCommands.h"

#include "ColourDialog.h"
#include "ColourRef.h"
#include "MaxFontCalibration.h"
#include "Messages.h"
#include "Placement.h"
#include "SettingsFile.h"
#include "SettingsStore.h"

OptionCommands::OptionCommands(SettingsStore &settings, ColourDialog &colourDialog)
    : m_settings(settings)
    , m_colourDialog(colourDialog)
{}

// The fore and the back colour differ only in the colour they change.
void OptionCommands::chooseColour(std::int32_t StoredSettings::*setting)
{
    m_settings.ensureFile();
    StoredSettings values = m_settings.values();
    const std::optional<QColor> chosen = m_colourDialog.choose(ColourRef::toQColor(values.*setting));
    // A cancelled dialog keeps the setting exactly, whatever its unused top
    // byte held.
    if (chosen && chosen->isValid())
        values.*setting = ColourRef::fromQColor(*chosen);

    if (values.foreColour == values.backColour) {
        const Messages::Answer answer =
            Messages::show(QStringLiteral("背景色と文字色が同じです。よろしいですか？"), QStringLiteral("確認"), Messages::Buttons::YesNo);
        if (answer == Messages::Answer::No) {
            Messages::show(QStringLiteral("キャンセルしました"), QStringLiteral("キャンセル報告"));
            return;
        }
    }
    m_settings.markChanged();
    m_settings.set(values);
}

void OptionCommands::chooseForeColour()
{
    chooseColour(&StoredSettings::foreColour);
}

void OptionCommands::chooseBackColour()
{
    chooseColour(&StoredSettings::backColour);
}

void OptionCommands::toggleFullScreenDisplay()
{
    m_settings.ensureFile();
    StoredSettings values = m_settings.values();
    values.fullScreenDisplay = !values.fullScreenDisplay;
    m_settings.set(values);
    // Only switching on measures the screen; switching off keeps the size
    // found last, which is saved with the settings.
    if (values.fullScreenDisplay) {
        values.maxFontSize = MaxFontCalibration::calibrate(Placement::screenWidth());
        m_settings.set(values);
    }
    m_settings.markChanged();
}

void OptionCommands::toggleSound()
{
    m_settings.ensureFile();
    StoredSettings values = m_settings.values();
    values.soundOff = !values.soundOff;
    m_settings.set(values);
    m_settings.markChanged();
}

void OptionCommands::resetSettings()
{
    m_settings.ensureFile();
    const Messages::Answer answer =
        Messages::show(QStringLiteral("設定を初期化します。よろしいですか？"), QStringLiteral("確認"), Messages::Buttons::YesNo);
    if (answer == Messages::Answer::No) {
        Messages::show(QStringLiteral("キャンセルしました。"), QStringLiteral("キャンセル報告"));
        return;
    }
    // Memory only: the file keeps the old values unless they are saved on exit.
    m_settings.set(SettingsFile::Defaults);
    Messages::show(QStringLiteral("初期化しました。"), QStringLiteral("初期化報告"));
    m_settings.markChanged();
}
