#pragma once

#include "HistoryRecord.h"

#include <QObject>
#include <QString>

// Writes the rounds and games the player keeps a history of, one object
// per run. A file that cannot be written is reported once a run, as the
// settings and the ranking are, and the game goes on.
class HistoryLog : public QObject
{
    Q_OBJECT
public:
    // Empty path: the history file in the data folder as it is at each write.
    explicit HistoryLog(QString path = {}, QObject *parent = nullptr);

    // Stamps the record with the time now and appends it.
    void add(HistoryRecord record);
    // A challenge game that has ended.
    void addChallengeGame(int level, qint32 score, bool complete);

private:
    QString m_path;
    bool m_failureTold = false;
};
