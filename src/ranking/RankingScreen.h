#pragma once

#include "RankingInsert.h"
#include "SingleScreen.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

// The ranking screen: it shows the rows it is given and never touches the
// ranking files.
class RankingScreen : public QDialog, public SingleScreen<RankingScreen>
{
    Q_OBJECT
public:
    static constexpr int ScreenNumber = ScreenRegistry::Ranking;

    RankingScreen();
    void load() {}

    void showRows(const QList<RankingInsert::Row> &rows);

    QList<QLabel *> m_nameLabels; // names of rows 0..4
    QList<QLabel *> m_scoreLabels; // score texts of rows 0..4
    QList<QLabel *> m_rankMarks; // the pictures 1 .. 5 beside the rows
    QLabel *m_rankHeading = nullptr, *m_nameHeading = nullptr, *m_scoreHeading = nullptr;
    QPushButton *m_closeButton = nullptr;
};
