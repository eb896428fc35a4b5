#pragma once

#include "GameScreen.h"
#include "SingleScreen.h"

class PictureButton;
class QComboBox;
class QLabel;

// The training screen: free choice of digits, terms and interval.
class TrainingScreen : public GameScreen, public SingleScreen<TrainingScreen>
{
    Q_OBJECT
public:
    static constexpr int ScreenNumber = ScreenRegistry::Training;

    TrainingScreen();
    void load();

    void resetRound();
    void lockControls();
    void unlockControls();

    QLabel *m_digitsCaption = nullptr, *m_digitsUnit = nullptr, *m_intervalCaption = nullptr;
    QLabel *m_intervalUnit = nullptr, *m_termsCaption = nullptr, *m_termsUnit = nullptr;
    QComboBox *m_digitsBox = nullptr, *m_termsBox = nullptr, *m_intervalBox = nullptr;
    PictureButton *m_startButton = nullptr; // START
    PictureButton *m_exitButton = nullptr; // EXIT
    PictureButton *m_modeButton = nullptr; // MODE

protected:
    void exitMenuChosen() override;
    void answerRound() override;

private:
    void buildControls();
    void start();
};
