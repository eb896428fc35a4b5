#pragma once

#include "MainScreen.h"
#include "SingleForm.h"

class PictureButton;
class QLabel;

// The mode selection screen, where the program starts.
class Form2 : public MainScreen, public SingleForm<Form2>
{
    Q_OBJECT
public:
    static constexpr int FormNumber = 2;

    Form2();
    void load();

    QLabel *Image1 = nullptr;
    PictureButton *Command1 = nullptr; // Training Mode
    PictureButton *Command2 = nullptr; // Challenge Mode

protected:
    void exitMenuChosen() override;
    void closeEvent(QCloseEvent *event) override;

private:
    template <class Target>
    void switchTo();
};
