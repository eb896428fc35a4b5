#include "RankingProcedures.h"

#include "DataLock.h"
#include "Messages.h"
#include "RankingFiles.h"
#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// Set once the ranking files could not be created: the player has been told,
// and for the rest of the run the ranking lives in the ranking screen.
bool &rankingUnwritable()
{
    static bool flag = false;
    return flag;
}

// Damaged ranking files that could not be mended, told about once a run.
QSet<QString> &toldUnmended()
{
    static QSet<QString> paths;
    return paths;
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString fileLabel(const QString &path)
{
    return path == RankingFiles::namesPath() ? QStringLiteral("Data1.data（名前）") : QStringLiteral("Data2.data（得点）");
}

// The default ranking is about to replace both files: whatever stands at
// either path, or a file where the DATA folder belongs, is kept aside first.
// Returns the lines that tell the player where.
QStringList keepAsideBeforeDefaults()
{
    QStringList notes;
    const QString data = QFileInfo(RankingFiles::namesPath()).absolutePath();
    const QFileInfo dataInfo(data);
    if ((dataInfo.exists() || dataInfo.isSymLink()) && !dataInfo.isDir()) {
        const QString moved = SafeFile::moveAside(data);
        if (!moved.isEmpty())
            notes << QStringLiteral("DATA フォルダの場所にあったファイルは「%1」に移しました。").arg(shown(moved));
    }
    for (const QString &path : {RankingFiles::namesPath(), RankingFiles::scoresPath()}) {
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            continue;
        const bool plain = SafeFile::isPlainFile(path);
        const bool folder = info.isDir();
        const QString kept = SafeFile::keepAside(path);
        if (kept.isEmpty())
            continue; // writing there fails as well, and that is told
        if (plain)
            notes << QStringLiteral("元の %1 は「%2」に控えとして残しました。").arg(fileLabel(path), shown(kept));
        else if (folder)
            notes << QStringLiteral("%1 の場所にあったフォルダは「%2」に移しました。").arg(fileLabel(path), shown(kept));
        else
            notes << QStringLiteral("%1 の場所にあったものは「%2」に移しました。").arg(fileLabel(path), shown(kept));
    }
    return notes;
}

// Both files are there and are read as they are: a row that cannot be read
// shows empty, and the file stays untouched until the ranking is next saved
// (keepDamagedAside). One that could not be saved over even then, being
// marked read-only, is told about once a run.
void tellUnmendable()
{
    QStringList notes;
    for (const QString &path : {RankingFiles::namesPath(), RankingFiles::scoresPath()}) {
        if (toldUnmended().contains(path) || !SafeFile::markedReadOnly(path))
            continue;
        const auto reading = RankingFiles::readFile(path);
        if (!reading || reading->unreadable == 0)
            continue;
        toldUnmended().insert(path);
        notes << QStringLiteral("ランキングファイル %1 に読み取れない行がありますが、書き込めないため直せませんでした。\n"
                                "読み取れた行だけを使います。")
                     .arg(fileLabel(path));
    }
    if (!notes.isEmpty())
        Messages::show(notes.join(u'\n'), QStringLiteral("読込報告"));
}

// A save that a crashed copy left half done is finished before anything
// reads the pair.
void finishCutShortSave()
{
    if (RankingFiles::finishCutShortSave())
        Messages::show(QStringLiteral("前回ランキングを保存している途中でプログラムが終了していたため、その保存を最後まで行いました。"),
                       QStringLiteral("保存報告"));
}

} // namespace

QStringList Ranking::keepDamagedAside()
{
    QStringList notes;
    for (const QString &path : {RankingFiles::namesPath(), RankingFiles::scoresPath()}) {
        const auto reading = RankingFiles::readFile(path);
        if (!reading || reading->unreadable == 0 || SafeFile::markedReadOnly(path))
            continue;
        const QString kept = SafeFile::keepAside(path);
        if (!kept.isEmpty())
            notes << QStringLiteral("ランキングファイル %1 に読み取れない行があったため、元のファイルを「%2」に控えとして残しました。")
                         .arg(fileLabel(path), shown(kept));
    }
    return notes;
}

void Ranking::finishInterruptedSave()
{
    finishCutShortSave();
}

void Ranking::resetFileStateForTests()
{
    rankingUnwritable() = false;
    toldUnmended().clear();
}

bool Ranking::writeDefaults()
{
    DataLock lock;
    return lock.held()
           && RankingFiles::writePair(RankingFiles::fileBytes(RankingFiles::defaultNames(), false),
                                      RankingFiles::fileBytes(RankingFiles::defaultScores(), false));
}

void Ranking::ensureFiles()
{
    // Only a glance: whatever reads the ranking next waits for the lock
    // in full and finishes such a save then. The lock is taken only when a
    // note is there: taking it writes and syncs a lock file to disk, which
    // costs more than all the rest of the start, and the note appears whole
    // (written aside, then renamed), so without one there is nothing to finish.
    if (QFileInfo::exists(RankingFiles::notePath())) {
        DataLock lock(200);
        if (lock.held())
            finishCutShortSave();
    }
    if (SafeFile::isPlainFile(RankingFiles::scoresPath()) && SafeFile::isPlainFile(RankingFiles::namesPath())) {
        tellUnmendable();
        return;
    }
    if (rankingUnwritable())
        return;
    const QStringList notes = keepAsideBeforeDefaults();
    Messages::show((QStringList{QStringLiteral("ランキングファイルが確認できません。自動生成します。")} + notes).join(u'\n'),
           QStringLiteral("自動生成"));
    if (!Ranking::writeDefaults()) {
        rankingUnwritable() = true;
        Messages::show(QStringLiteral("ランキングファイルを作成できませんでした。\nランキングは保存されません。"),
               QStringLiteral("自動生成報告"));
    }
}

void Ranking::reset()
{
    Ranking::ensureFiles();
    const Messages::Answer answer = Messages::show(QStringLiteral("ランキングを初期化します。よろしいですか？"),
                                    QStringLiteral("確認"), Messages::Buttons::YesNo);
    if (answer == Messages::Answer::Yes) {
        bool busy = false, written = false;
        {
            DataLock lock;
            busy = !lock.held();
            written = !busy && Ranking::writeDefaults();
        }
        if (written)
            Messages::show(QStringLiteral("初期化しました。"), QStringLiteral("初期化報告"));
        else
            Messages::show((busy ? QStringLiteral("ほかに起動している Plumeno がランキングファイルを使用中のため、書き込めませんでした。")
                                 : QStringLiteral("ランキングファイルに書き込めませんでした。"))
                               + QStringLiteral("\nランキングは初期化されていません。"),
                           QStringLiteral("初期化報告"));
    } else {
        Messages::show(QStringLiteral("キャンセルしました。"), QStringLiteral("キャンセル報告"));
    }
}

