#pragma once

#include "GameScreen.h"
#include "RankingStore.h"
#include "SingleScreen.h"

#include <QtGlobal>
#include <cstdint>
#include <functional>

class PictureButton;
class QLabel;
class QTimer;

// The challenge screen: a fixed ladder of levels, a score that rewards
// quick answers, and a ranking for games that end on a wrong answer.
class ChallengeScreen : public GameScreen, public SingleScreen<ChallengeScreen>
{
    Q_OBJECT
public:
    static constexpr int ScreenNumber = ScreenRegistry::Challenge;

    // The ranking is the program's; the screen enters its games there.
    ChallengeScreen(SettingsStore &settings, RankingStore &ranking);

    void resetGame();
    void levelUp();

    QLabel *m_scoreLabel = nullptr;
    QLabel *m_levelLabel = nullptr;
    QLabel *m_scoreCaption = nullptr; // SCORE:
    QLabel *m_levelCaption = nullptr; // LV.
    PictureButton *m_startButton = nullptr; // START
    PictureButton *m_exitButton = nullptr; // EXIT
    PictureButton *m_modeButton = nullptr; // MODE
    PictureButton *m_nextButton = nullptr; // NEXT
    PictureButton *m_rankingButton = nullptr; // RANKING
    QTimer *m_bonusTimer = nullptr;

    // The game state, beside the round state every game screen has.
    std::int16_t m_level = 1;
    std::int32_t m_score = 0;
    std::int32_t m_timeBonus = 0;
    // The name given for the last ranking entry, offered again.
    QString m_playerName;

    // Milliseconds on a steady clock; the time bonus is worn down by it.
    // Tests put a clock of their own here; empty: the steady clock.
    using Clock = std::function<qint64()>;
    void setAnswerClock(Clock clock);

signals:
    // Every game that ends: the level reached, the score, whether the
    // ladder was cleared.
    void gameEnded(int level, qint32 score, bool complete);

protected:
    void answerRound() override;
    QList<QWidget *> roundControls() const override;
    void focusAfterRound() override;
    void startFresh() override;
    QString modeQuestion() const override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void start();
    void next();
    void showRanking();
    void wearBonus();
    void hit();
    void miss();

    RankingStore &m_ranking;
    Clock m_clock;
    qint64 m_answerOpenedAt = 0;
    std::int32_t m_bonusAtOpen = 0;
};
