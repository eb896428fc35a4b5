#include "SettingsStore.h"

#include "DataLock.h"
#include "Messages.h"
#include "PlayerFiles.h"
#include "ProgramPaths.h"
#include "SafeFile.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString FileName = PlayerFiles::Settings;

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

SettingsStore::SettingsStore(QObject *parent)
    : QObject(parent)
{}

void SettingsStore::set(const StoredSettings &values)
{
    m_values = values;
    emit changed(m_values);
}

void SettingsStore::ensureFile()
{
    if (settingsFileExists() || m_unwritable)
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
    set(SettingsFile::Defaults);
    if (!writeFile()) {
        m_unwritable = true;
        Messages::show(QStringLiteral("設定ファイルを作成できませんでした。\n設定はこのプログラムを終了するまで有効です。") + folderLine(),
                       QStringLiteral("自動生成報告"));
    }
}

void SettingsStore::readFile()
{
    // Five short lines; anything much longer is not a settings file.
    const std::optional<QByteArray> bytes = SafeFile::readHead(ProgramPaths::dataPath(FileName), 4096);
    if (!bytes) {
        if (m_unwritable)
            return; // already told; the defaults in memory stand
        set(SettingsFile::Defaults);
        Messages::show(QStringLiteral("設定ファイルを読み込めませんでした。\n既定の設定を使います。") + folderLine(),
                       QStringLiteral("読込報告"));
        return;
    }
    const SettingsFile::Parsed parsed = SettingsFile::parse(*bytes);
    set(parsed.values);
    if (parsed.unreadable > 0)
        Messages::show(QStringLiteral("設定ファイルに読み取れない値がありました。\n読み取れない値には既定の設定を使います。"),
                       QStringLiteral("読込報告"));
}

bool SettingsStore::writeFile()
{
    // Another copy saving its settings at the same moment writes before or
    // after this one, never into it.
    DataLock lock;
    return lock.held() && SafeFile::write(ProgramPaths::dataPath(FileName), SettingsFile::serialize(m_values));
}

void SettingsStore::confirmSave()
{
    if (!m_changed)
        return;
    const Messages::Answer answer =
        Messages::show(QStringLiteral("設定が変更されています。保存しますか？"), QStringLiteral("確認"), Messages::Buttons::YesNo);
    if (answer == Messages::Answer::Yes) {
        if (writeFile())
            Messages::show(QStringLiteral("保存しました。"), QStringLiteral("保存報告"));
        else
            Messages::show(QStringLiteral("設定ファイルに書き込めませんでした。\n設定は保存されていません。") + folderLine(),
                           QStringLiteral("保存報告"));
    } else {
        Messages::show(QStringLiteral("保存しませんでした。"), QStringLiteral("キャンセル報告"));
    }
}
