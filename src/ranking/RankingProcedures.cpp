#include "RankingProcedures.h"

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

// Both files are there. One whose first five lines cannot all be read
// (too few lines, bytes that are not code page 932) is written again with
// every row that could be read and the others empty, after a copy of it has
// been put aside; the rows the ranking shows stay the rows it showed before.
void mendDamagedFiles()
{
    QStringList notes;
    for (const QString &path : {RankingFiles::namesPath(), RankingFiles::scoresPath()}) {
        const RankingFiles::Reading reading =
            RankingFiles::readFile(path).value_or(RankingFiles::readRows(QByteArray()));
        if (reading.unreadable == 0 || toldUnmended().contains(path))
            continue;
        const QString kept = SafeFile::keepAside(path);
        if (!kept.isEmpty() && RankingFiles::writeFile(path, RankingFiles::fileBytes(reading.rows, true))) {
            notes << QStringLiteral("ランキングファイル %1 に読み取れない行があったため、読み取れた行だけで作り直しました"
                                    "（読み取れない行は空欄です）。\n元のファイルは「%2」に控えとして残しました。")
                         .arg(fileLabel(path), shown(kept));
            continue;
        }
        // The file is as it was, so a copy of it is not needed.
        if (!kept.isEmpty())
            QFile::remove(kept);
        toldUnmended().insert(path);
        notes << QStringLiteral("ランキングファイル %1 に読み取れない行がありますが、書き込めないため直せませんでした。\n"
                                "読み取れた行だけを使います。")
                     .arg(fileLabel(path));
    }
    if (!notes.isEmpty())
        Messages::show(notes.join(u'\n'), QStringLiteral("確認"));
}

} // namespace

void Ranking::resetFileStateForTests()
{
    rankingUnwritable() = false;
    toldUnmended().clear();
}

bool Ranking::writeDefaults()
{
    const bool names = RankingFiles::writeFile(RankingFiles::namesPath(),
                                               RankingFiles::fileBytes(RankingFiles::defaultNames(), false));
    const bool scores = RankingFiles::writeFile(RankingFiles::scoresPath(),
                                                RankingFiles::fileBytes(RankingFiles::defaultScores(), false));
    return names && scores;
}

void Ranking::ensureFiles()
{
    if (SafeFile::isPlainFile(RankingFiles::scoresPath()) && SafeFile::isPlainFile(RankingFiles::namesPath())) {
        mendDamagedFiles();
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
               QStringLiteral("確認"));
    }
}

void Ranking::reset()
{
    Ranking::ensureFiles();
    const Messages::Answer answer = Messages::show(QStringLiteral("ランキングを初期化します。よろしいですか？"),
                                    QStringLiteral("確認"), Messages::Buttons::YesNo);
    if (answer == Messages::Answer::Yes) {
        if (Ranking::writeDefaults())
            Messages::show(QStringLiteral("初期化しました。"), QStringLiteral("初期化報告"));
        else
            Messages::show(QStringLiteral("ランキングファイルに書き込めませんでした。\nランキングは初期化されていません。"),
                   QStringLiteral("確認"));
    } else {
        Messages::show(QStringLiteral("キャンセルしました。"), QStringLiteral("キャンセル報告"));
    }
}

