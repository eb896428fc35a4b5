#pragma once

#include "GameScreen.h"
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
class Form3 : public GameScreen, public SingleForm<Form3>
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

    QLabel *Label2 = nullptr; // Score
    QLabel *Label3 = nullptr; // Level
    QLabel *Image1 = nullptr; // SCORE:
    QLabel *Image2 = nullptr; // LV.
    PictureButton *Command1 = nullptr; // START
    PictureButton *Command2 = nullptr; // EXIT
    PictureButton *Command3 = nullptr; // MODE
    PictureButton *Command4 = nullptr; // NEXT
    PictureButton *Command5 = nullptr; // RANKING
    QTimer *Timer2 = nullptr;

    // The game state, beside the round state every game screen has.
    std::int16_t Level = 1;
    std::int32_t Score = 0;
    std::int32_t TimeBonus = 0;

    // Milliseconds on a steady clock; the time bonus is worn down by it.
    // Tests put a clock of their own here.
    using Clock = std::function<qint64()>;
    void setAnswerClock(Clock clock);

protected:
    void exitMenuChosen() override;
    void answerRound() override;

private:
    void buildControls();
    void start();
    void next();
    void quit();
    void backToModes();
    void showRanking();
    void wearBonus();
    void hit();
    void miss();

    Clock m_clock;
    qint64 m_answerOpenedAt = 0;
    std::int32_t m_bonusAtOpen = 0;
};
