// The ranking file procedures of Module1.
#include "Module1.h"
#include "RankingFiles.h"

#include <QFileInfo>

namespace Module1 {
namespace {

bool plainFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

} // namespace

void detail::resetRankingFileState() {}

bool WriteDefaultRanking()
{
    const bool names = RankingFiles::writeFile(RankingFiles::namesPath(),
                                               RankingFiles::fileBytes(RankingFiles::defaultNames(), false));
    const bool scores = RankingFiles::writeFile(RankingFiles::scoresPath(),
                                                RankingFiles::fileBytes(RankingFiles::defaultScores(), false));
    return names && scores;
}

void EnsureRankingFiles()
{
    if (plainFile(RankingFiles::scoresPath()) && plainFile(RankingFiles::namesPath()))
        return;
    MsgBox(QStringLiteral("ランキングファイルが確認できません。自動生成します。"), QStringLiteral("自動生成"));
    if (!WriteDefaultRanking())
        MsgBox(QStringLiteral("ランキングファイルを作成できませんでした。\nランキングは保存されません。"),
               QStringLiteral("確認"));
}

void ResetRanking()
{
    EnsureRankingFiles();
    const MsgAnswer answer = MsgBox(QStringLiteral("ランキングを初期化します。よろしいですか？"),
                                    QStringLiteral("確認"), MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes) {
        if (WriteDefaultRanking())
            MsgBox(QStringLiteral("初期化しました。"), QStringLiteral("初期化報告"));
        else
            MsgBox(QStringLiteral("ランキングファイルに書き込めませんでした。\nランキングは初期化されていません。"),
                   QStringLiteral("確認"));
    } else {
        MsgBox(QStringLiteral("キャンセルしました。"), QStringLiteral("キャンセル報告"));
    }
}

} // namespace Module1
