#pragma once

#include "HistoryLog.h"
#include "OptionCommands.h"
#include "QtColourDialog.h"
#include "RankingStore.h"
#include "SettingsStore.h"
#include "SoundPluginLoader.h"

#include <QObject>

class ChallengeScreen;
class ColourDialog;
class MainScreen;
class ModeScreen;
class TrainingScreen;

// The program assembled: it owns the settings and the ranking, makes each screen with what
// it needs and connects the screens' commands to what carries them out.
// The screens are single windows, made when first wanted and gone when
// closed.
class Program : public QObject
{
    Q_OBJECT
public:
    // The colour dialog is Qt's and the sounds come from the sound plugin
    // unless others are given (they must outlive the program).
    explicit Program(ColourDialog *colourDialog = nullptr, WavePlayerFactory *soundSource = nullptr, QObject *parent = nullptr);

    // The first start: the settings and ranking files are made sure of and
    // read, and the mode screen opens centred on the screen.
    ModeScreen *start();

    SettingsStore &settings() { return m_settings; }
    RankingStore &ranking() { return m_ranking; }
    HistoryLog &history() { return m_history; }

    // The screen when it is open; else it is made (not shown).
    ModeScreen *modeScreen();
    TrainingScreen *trainingScreen();
    ChallengeScreen *challengeScreen();

    // Each opens the screen at the corner of the one the player is on,
    // making it when it is not open.
    ModeScreen *showModeScreen();
    TrainingScreen *openTrainingScreen();
    ChallengeScreen *openChallengeScreen();

    // Every way out ends here: the save question, then every screen
    // closes, and the program ends with the last one.
    void exit();

private:
    template <class Screen>
    Screen *gameScreen();
    template <class Screen>
    Screen *openGameScreen();
    void connectMenu(MainScreen *screen);

    SettingsStore m_settings;
    RankingStore m_ranking;
    HistoryLog m_history;
    SoundPluginLoader m_soundPlugin;
    WavePlayerFactory *m_soundSource;
    QtColourDialog m_qtColourDialog;
    OptionCommands m_options;
};
