#include "SettingsProcedures.h"

#include "DataLock.h"
#include "Messages.h"
#include "ProgramPaths.h"
#include "ScreenRegistry.h"
#include "SharedState.h"
#include "SafeFile.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>

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
    const SharedState &s = sharedState();
    return {s.ForeColorSetting, s.BackColorSetting, s.MaxDisplayOn, s.SoundOff, s.MaxFontSize};
}

void take(const SettingsFile::Values &v)
{
    SharedState &s = sharedState();
    s.ForeColorSetting = v.foreColor;
    s.BackColorSetting = v.backColor;
    s.MaxDisplayOn = v.maxDisplayOn;
    s.SoundOff = v.soundOff;
    s.MaxFontSize = v.maxFontSize;
}

// The folder the settings file is in, on a line of its own, so that a
// player told it cannot be read or written knows where to look.
QString folderLine()
{
    return u'\n' + QDir::toNativeSeparators(ProgramPaths::dataDir());
}

bool settingsFileExists()
{
    return SafeFile::isPlainFile(ProgramPaths::dataPath(FileName));
}

} // namespace

void Settings::resetFileStateForTests()
{
    settingsUnwritable() = false;
}

void Settings::setDefaults()
{
    take(SettingsFile::Defaults);
}

void Settings::ensureFile()
{
    if (settingsFileExists() || settingsUnwritable())
        return;
    // A folder (or anything else) by the file's name would stop the file
    // being created; it is not ours to remove, so it is moved out of the way.
    QString text = QStringLiteral("設定ファイルが確認できません。自動生成します。");
    if (const QString path = ProgramPaths::dataPath(FileName); SafeFile::isInTheWay(path)) {
        const bool folder = QFileInfo(path).isDir();
        if (const QString moved = SafeFile::moveAside(path); !moved.isEmpty())
            text += (folder ? QStringLiteral("\n設定ファイルの場所にあったフォルダは「%1」に移しました。")
                            : QStringLiteral("\n設定ファイルの場所にあったものは「%1」に移しました。"))
                        .arg(QDir::toNativeSeparators(moved));
    }
    Messages::show(text, QStringLiteral("自動生成"));
    Settings::setDefaults();
    if (!Settings::writeFile()) {
        settingsUnwritable() = true;
        Messages::show(QStringLiteral("設定ファイルを作成できませんでした。\n設定はこのプログラムを終了するまで有効です。") + folderLine(),
               QStringLiteral("自動生成報告"));
    }
}

void Settings::readFile()
{
    // Five short lines; anything much longer is not a settings file.
    const std::optional<QByteArray> bytes = SafeFile::readHead(ProgramPaths::dataPath(FileName), 4096);
    if (!bytes) {
        if (settingsUnwritable())
            return; // already told; the defaults in memory stand
        Settings::setDefaults();
        Messages::show(QStringLiteral("設定ファイルを読み込めませんでした。\n既定の設定を使います。") + folderLine(),
                       QStringLiteral("読込報告"));
        return;
    }
    const SettingsFile::Parsed parsed = SettingsFile::parse(*bytes);
    take(parsed.values);
    if (parsed.unreadable > 0)
        Messages::show(QStringLiteral("設定ファイルに読み取れない値がありました。\n読み取れない値には既定の設定を使います。"),
               QStringLiteral("読込報告"));
}

bool Settings::writeFile()
{
    // Another copy saving its settings at the same moment writes before or
    // after this one, never into it.
    DataLock lock;
    return lock.held() && SafeFile::write(ProgramPaths::dataPath(FileName), SettingsFile::serialize(current()));
}

void Settings::confirmSave()
{
    if (!sharedState().SettingsChanged)
        return;
    const Messages::Answer answer = Messages::show(QStringLiteral("設定が変更されています。保存しますか？"), QStringLiteral("確認"),
                                    Messages::Buttons::YesNo);
    if (answer == Messages::Answer::Yes) {
        if (Settings::writeFile())
            Messages::show(QStringLiteral("保存しました。"), QStringLiteral("保存報告"));
        else
            Messages::show(QStringLiteral("設定ファイルに書き込めませんでした。\n設定は保存されていません。") + folderLine(),
                   QStringLiteral("保存報告"));
    } else {
        Messages::show(QStringLiteral("保存しませんでした。"), QStringLiteral("キャンセル報告"));
    }
}

void Settings::exitApplication()
{
    confirmSave();
    ScreenRegistry::closeAll();
}
