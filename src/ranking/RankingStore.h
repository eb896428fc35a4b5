#pragma once

#include "DataLock.h"
#include "RankingInsert.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>

// The ranking: the two files in the DATA folder and everything done with
// them (making sure they are there, reading, entering a score, resetting,
// keeping a damaged file aside), each under the data lock so that two
// copies of the program take turns. Screens are given the rows; nothing
// here shows them.
//
// A score that could not be saved because another copy held the ranking
// for the whole wait is not dropped: it waits here and goes in with the
// next read or save that gets the lock, or when offerWaitingScores() is
// called on the way out.
class RankingStore
{
public:
    using Rows = QList<RankingInsert::Row>;

    // `lockWaitMs`: how long another copy holding the ranking is waited for.
    explicit RankingStore(int lockWaitMs = DataLock::WaitMs);

    // Missing ranking files are created with the default ranking, and the
    // player told; a pair of files that cannot be created is told once.
    void ensureFiles();
    // The five rows as the files hold them, a save cut short finished
    // first; a row that cannot be read is empty. Where the files cannot be
    // read, the ranking kept for this run.
    Rows rows();
    // A finished game's score and the player's name, entered in their place
    // and written back as one step (whether or not they entered). False
    // when the ranking was not saved; the player has been told why.
    bool enter(std::int32_t score, const QString &name);
    // The ランキングの初期化 menu command: asks, then writes the defaults.
    void reset();
    // Saves the scores still waiting; while another copy keeps the ranking,
    // asks whether to try again or leave them.
    void offerWaitingScores();
    qsizetype waitingScores() const { return m_waiting.size(); }

private:
    struct Entry
    {
        std::int32_t score;
        QString name;
    };
    // With the data lock held. Each returns what to tell the player once
    // the lock is let go.
    QStringList readFiles();
    void loadColumns(); // the lock need not be held
    bool writeWaiting(QStringList &notes);
    bool writeDefaults();
    QStringList keepAsideBeforeDefaults();
    QStringList keepDamagedAside();
    void tellUnmendable();

    int m_lockWaitMs;
    Rows m_rows;
    QList<Entry> m_waiting;
    bool m_unwritable = false; // the files could not be created, and the player knows
    QSet<QString> m_toldUnmended; // damaged files that cannot be mended, told about
};
