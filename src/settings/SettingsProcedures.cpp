// The settings file procedures of Module1.
#include "Module1.h"
#include "SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Module1 {
namespace {

const QString FileName = QStringLiteral("Plumeno.config");

// Set once the settings file could not be created: from then on the
// settings live in memory only, and the player has been told so once.
bool &settingsUnwritable()
{
    static bool flag = false;
    return flag;
}

SettingsFile::Values current()
{
    const SharedState &s = State();
    return {s.ForeColorSetting, s.BackColorSetting, s.MaxDisplayOn, s.SoundOff, s.MaxFontSize};
}

void take(const SettingsFile::Values &v)
{
    SharedState &s = State();
    s.ForeColorSetting = v.foreColor;
    s.BackColorSetting = v.backColor;
    s.MaxDisplayOn = v.maxDisplayOn;
    s.SoundOff = v.soundOff;
    s.MaxFontSize = v.maxFontSize;
}

bool settingsFileExists()
{
    const QFileInfo info(DataPath(FileName));
    return info.exists() && info.isFile() && !info.isHidden();
}

} // namespace

void detail::resetSettingsFileState()
{
    settingsUnwritable() = false;
}

void SetDefaultSettings()
{
    take(SettingsFile::Defaults);
}

void EnsureSettingsFile()
{
    if (settingsFileExists() || settingsUnwritable())
        return;
    MsgBox(QStringLiteral("設定ファイルが確認できません。自動生成します。"), QStringLiteral("自動生成"));
    SetDefaultSettings();
    if (!WriteSettingsFile()) {
        settingsUnwritable() = true;
        MsgBox(QStringLiteral("設定ファイルを作成できませんでした。\n設定はこのプログラムを終了するまで有効です。"),
               QStringLiteral("確認"));
    }
}

void ReadSettingsFile()
{
    QFile file(DataPath(FileName));
    if (!settingsFileExists() || !file.open(QIODevice::ReadOnly)) {
        if (settingsUnwritable())
            return; // already told; the defaults in memory stand
        SetDefaultSettings();
        MsgBox(QStringLiteral("設定ファイルを読み込めませんでした。\n既定の設定を使います。"), QStringLiteral("確認"));
        return;
    }
    // Five short lines; anything much longer is not a settings file.
    const QByteArray bytes = file.read(4096);
    const SettingsFile::Parsed parsed = SettingsFile::parse(bytes);
    take(parsed.values);
    if (parsed.unreadable > 0)
        MsgBox(QStringLiteral("設定ファイルに読み取れない値がありました。\n読み取れない値には既定の設定を使います。"),
               QStringLiteral("確認"));
}

bool WriteSettingsFile()
{
    QSaveFile file(DataPath(FileName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(SettingsFile::serialize(current()));
    return file.commit();
}

} // namespace Module1
