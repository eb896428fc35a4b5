#include "HistoryLog.h"

#include "HistoryFile.h"
#include "Messages.h"
#include "TrainingExtras.h"

#include <QDateTime>
#include <QDir>

namespace HistoryLog {

void add(HistoryRecord record)
{
    const QDateTime now = QDateTime::currentDateTime();
    record.date = now.date();
    const QTime t = now.time();
    record.time = QTime(t.hour(), t.minute(), t.second());
    const QString path = HistoryFile::path();
    if (!HistoryFile::append(path, record))
        Messages::show(QStringLiteral("履歴を記録できませんでした。\n%1").arg(QDir::toNativeSeparators(path)),
                       QStringLiteral("保存報告"));
}

void challengeEnded(int level, std::int32_t score, bool complete)
{
    if (!TrainingExtras::load().keepHistory)
        return;
    HistoryRecord r;
    r.mode = HistoryRecord::Mode::Challenge;
    r.level = level;
    r.score = score;
    r.result = complete ? HistoryRecord::Result::Complete : HistoryRecord::Result::Wrong;
    add(r);
}

} // namespace HistoryLog
