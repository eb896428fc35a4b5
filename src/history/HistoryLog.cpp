#include "HistoryLog.h"

#include "HistoryFile.h"
#include "Messages.h"

#include <QDateTime>
#include <QDir>

HistoryLog::HistoryLog(QString path, QObject *parent)
    : QObject(parent)
    , m_path(std::move(path))
{}

void HistoryLog::add(HistoryRecord record)
{
    const QDateTime now = QDateTime::currentDateTime();
    record.date = now.date();
    const QTime t = now.time();
    record.time = QTime(t.hour(), t.minute(), t.second());
    const QString path = m_path.isEmpty() ? HistoryFile::path() : m_path;
    if (HistoryFile::append(path, record) || m_failureTold)
        return;
    m_failureTold = true;
    Messages::show(QStringLiteral("履歴を記録できませんでした。\n%1").arg(QDir::toNativeSeparators(path)), QStringLiteral("保存報告"));
}

void HistoryLog::addChallengeGame(int level, qint32 score, bool complete)
{
    HistoryRecord r;
    r.mode = HistoryRecord::Mode::Challenge;
    r.level = level;
    r.score = score;
    r.result = complete ? HistoryRecord::Result::Complete : HistoryRecord::Result::Wrong;
    add(r);
}
