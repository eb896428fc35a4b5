#pragma once

#include "MainScreen.h"
#include "SingleScreen.h"

class PictureButton;
class QLabel;

// The mode selection screen, where the program starts.
class ModeScreen : public MainScreen, public SingleScreen<ModeScreen>
{
    Q_OBJECT
public:
    static constexpr int ScreenNumber = ScreenRegistry::Mode;

    ModeScreen();

    QLabel *m_titleImage = nullptr;
    PictureButton *m_trainingButton = nullptr; // Training Mode
    PictureButton *m_challengeButton = nullptr; // Challenge Mode

signals:
    // A mode was chosen: its screen should open; this screen then closes.
    void trainingChosen();
    void challengeChosen();

protected:
    void exitMenuChosen() override;
    void closeEvent(QCloseEvent *event) override;
};
