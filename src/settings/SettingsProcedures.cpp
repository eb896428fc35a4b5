// The settings file procedures of Module1.
#include "Module1.h"
#include "SafeFile.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>

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
    return SafeFile::isPlainFile(DataPath(FileName));
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
    // A folder (or anything else) by the file's name would stop the file
    // being created; it is not ours to remove, so it is moved out of the way.
    QString text = QStringLiteral("設定ファイルが確認できません。自動生成します。");
    if (const QString path = DataPath(FileName); SafeFile::isInTheWay(path)) {
        const bool folder = QFileInfo(path).isDir();
        if (const QString moved = SafeFile::moveAside(path); !moved.isEmpty())
            text += (folder ? QStringLiteral("\n設定ファイルの場所にあったフォルダは「%1」に移しました。")
                            : QStringLiteral("\n設定ファイルの場所にあったものは「%1」に移しました。"))
                        .arg(QDir::toNativeSeparators(moved));
    }
    MsgBox(text, QStringLiteral("自動生成"));
    SetDefaultSettings();
    if (!WriteSettingsFile()) {
        settingsUnwritable() = true;
        MsgBox(QStringLiteral("設定ファイルを作成できませんでした。\n設定はこのプログラムを終了するまで有効です。"),
               QStringLiteral("確認"));
    }
}

void ReadSettingsFile()
{
    // Five short lines; anything much longer is not a settings file.
    const std::optional<QByteArray> bytes = SafeFile::readHead(DataPath(FileName), 4096);
    if (!bytes) {
        if (settingsUnwritable())
            return; // already told; the defaults in memory stand
        SetDefaultSettings();
        MsgBox(QStringLiteral("設定ファイルを読み込めませんでした。\n既定の設定を使います。"), QStringLiteral("確認"));
        return;
    }
    const SettingsFile::Parsed parsed = SettingsFile::parse(*bytes);
    take(parsed.values);
    if (parsed.unreadable > 0)
        MsgBox(QStringLiteral("設定ファイルに読み取れない値がありました。\n読み取れない値には既定の設定を使います。"),
               QStringLiteral("確認"));
}

bool WriteSettingsFile()
{
    return SafeFile::write(DataPath(FileName), SettingsFile::serialize(current()));
}

} // namespace Module1
