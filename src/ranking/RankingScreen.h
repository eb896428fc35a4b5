#pragma once

#include "SingleScreen.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

// The ranking screen. Its labels are the ranking while the program runs:
// they are loaded from the ranking files before every display or insertion.
class RankingScreen : public QDialog, public SingleScreen<RankingScreen>
{
    Q_OBJECT
public:
    static constexpr int ScreenNumber = ScreenRegistry::Ranking;

    RankingScreen();
    void load() {}

    void readRanking();
    bool saveRanking();
    // Enters a finished game's score and the player's name in its place
    // and writes the ranking files back, whether or not it entered.
    void insertScore(qint32 &score, QString &name);

    QList<QLabel *> m_nameLabels; // names of rows 0..4
    QList<QLabel *> m_scoreLabels; // score texts of rows 0..4
    QList<QLabel *> m_rankMarks; // the pictures 1 .. 5 beside the rows
    QLabel *m_rankHeading = nullptr, *m_nameHeading = nullptr, *m_scoreHeading = nullptr;
    QPushButton *m_closeButton = nullptr;
};
