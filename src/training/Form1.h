#pragma once

#include "GameScreen.h"
#include "SingleForm.h"

class PictureButton;
class QComboBox;
class QLabel;

// The training screen: free choice of digits, terms and interval.
class Form1 : public GameScreen, public SingleForm<Form1>
{
    Q_OBJECT
public:
    static constexpr int FormNumber = 1;

    Form1();
    void load();

    void syokika();
    void Control_Lock();
    void Control_UnLock();

    QLabel *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr;
    QLabel *Image4 = nullptr, *Image5 = nullptr, *Image6 = nullptr;
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr, *Combo3 = nullptr;
    PictureButton *Command1 = nullptr; // START
    PictureButton *Command2 = nullptr; // EXIT
    PictureButton *Command3 = nullptr; // MODE

protected:
    void exitMenuChosen() override;
    void answerRound() override;

private:
    void buildControls();
    void start();
};
