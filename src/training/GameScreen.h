#pragma once

#include "MainScreen.h"
#include "RandomSource.h"

#include <cstdint>

class MMControl;
class QLabel;
class RoundTimer;

// What the training and the challenge screen share: the round state, the
// round timer and its ticks, the sound player, and the close box that asks
// while a game is under way. Each screen judges the answer its own way.
class GameScreen : public MainScreen
{
    Q_OBJECT
public:
    GameScreen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips);

    void SE_Preparation();
    void SE_Play(const QString &name);

    QLabel *Label1 = nullptr; // the number display, made by each screen
    RoundTimer *Timer1 = nullptr;
    MMControl *MMControl1 = nullptr;

    // The round state.
    std::int16_t Digits = 0;
    float FlashInterval = 0;
    std::int16_t Terms = 0;
    std::int32_t RoundSum = 0;
    std::int32_t LastNumber = 0;
    std::int16_t TickCount = 0;
    bool InGame = false;

protected:
    // Asks for the sum and judges it, once the round has flashed its numbers.
    virtual void answerRound() = 0;

    // The sound player is closed whenever a game screen is left.
    void closePlayerAndExit();
    void closeEvent(QCloseEvent *event) override;

    RandomSource m_random;

private:
    void tick();
    void reachAnswer();

    // The close question runs a nested event loop in which the round goes
    // on; a round that reaches its answer meanwhile waits for the answer.
    bool m_closeQuestionOpen = false;
    bool m_answerPending = false;
};
