#pragma once

#include "MainScreen.h"
#include "RandomSource.h"
#include "SingleForm.h"

#include <cstdint>

class MMControl;
class PictureButton;
class QComboBox;
class QLabel;
class RoundTimer;

// The training screen: free choice of digits, terms and interval.
class Form1 : public MainScreen, public SingleForm<Form1>
{
    Q_OBJECT
public:
    static constexpr int FormNumber = 1;

    Form1();
    void load();

    void syokika();
    void Control_Lock();
    void Control_UnLock();
    void SE_Preparation();
    void SE_Play(const QString &name);

    QLabel *Label1 = nullptr;
    QLabel *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr;
    QLabel *Image4 = nullptr, *Image5 = nullptr, *Image6 = nullptr;
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr, *Combo3 = nullptr;
    PictureButton *Command1 = nullptr; // START
    PictureButton *Command2 = nullptr; // EXIT
    PictureButton *Command3 = nullptr; // MODE
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
    void exitMenuChosen() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void start();
    void tick();
    void reachAnswer();
    void answerRound();

    RandomSource m_random;
    // The close question runs a nested event loop in which the round goes
    // on; a round that reaches its answer meanwhile waits for the answer.
    bool m_closeQuestionOpen = false;
    bool m_answerPending = false;
};
