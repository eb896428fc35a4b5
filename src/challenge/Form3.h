#pragma once

#include "MainScreen.h"
#include "RandomSource.h"
#include "SingleForm.h"

#include <QtGlobal>
#include <cstdint>
#include <functional>

class MMControl;
class PictureButton;
class QLabel;
class QTimer;
class RoundTimer;

// The challenge screen: a fixed ladder of levels, a score that rewards
// quick answers, and a ranking for games that end on a wrong answer.
class Form3 : public MainScreen, public SingleForm<Form3>
{
    Q_OBJECT
public:
    static constexpr int FormNumber = 3;

    Form3();
    void load();

    void syokika();
    void lv_Up();
    void Control_Lock();
    void Control_UnLock();
    void SE_Preparation();
    void SE_Play(const QString &name);

    QLabel *Label1 = nullptr; // the flashed number
    QLabel *Label2 = nullptr; // Score
    QLabel *Label3 = nullptr; // Level
    QLabel *Image1 = nullptr; // SCORE:
    QLabel *Image2 = nullptr; // LV.
    PictureButton *Command1 = nullptr; // START
    PictureButton *Command2 = nullptr; // EXIT
    PictureButton *Command3 = nullptr; // MODE
    PictureButton *Command4 = nullptr; // NEXT
    PictureButton *Command5 = nullptr; // RANKING
    RoundTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    MMControl *MMControl1 = nullptr;

    // The game state.
    std::int16_t Digits = 0;
    float FlashInterval = 0;
    std::int16_t Terms = 0;
    std::int32_t RoundSum = 0;
    std::int32_t LastNumber = 0;
    std::int16_t TickCount = 0;
    bool InGame = false;
    std::int16_t Level = 1;
    std::int32_t Score = 0;
    std::int32_t TimeBonus = 0;

    // Milliseconds on a steady clock; the time bonus is worn down by it.
    // Tests put a clock of their own here.
    using Clock = std::function<qint64()>;
    void setAnswerClock(Clock clock);

protected:
    void exitMenuChosen() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void start();
    void next();
    void quit();
    void backToModes();
    void showRanking();
    void tick();
    void reachAnswer();
    void answerRound();
    void wearBonus();
    void hit();
    void miss();

    RandomSource m_random;
    Clock m_clock;
    qint64 m_answerOpenedAt = 0;
    std::int32_t m_bonusAtOpen = 0;
    // The close question runs a nested event loop in which the round goes
    // on; a round that reaches its answer meanwhile waits for the answer.
    bool m_closeQuestionOpen = false;
    bool m_answerPending = false;
};
