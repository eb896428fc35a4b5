#include "Program.h"

#include "ChallengeScreen.h"
#include "ExtrasDialog.h"
#include "Fonts.h"
#include "HelpCommands.h"
#include "HistoryLog.h"
#include "ModeScreen.h"
#include "Placement.h"
#include "ScreenRegistry.h"
#include "TrainingExtras.h"
#include "TrainingScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <type_traits>

Program::Program(ColourDialog *colourDialog, WavePlayerFactory *soundSource, QObject *parent)
    : QObject(parent)
    , m_soundSource(soundSource ? soundSource : &m_soundPlugin)
    , m_options(m_settings, colourDialog ? *colourDialog : m_qtColourDialog)
{
    Fonts::installSubstitutions();
    Fonts::useJapaneseDefault();
}

ModeScreen *Program::start()
{
    ModeScreen *screen = modeScreen();
    m_settings.ensureFile();
    m_settings.readFile();
    m_ranking.ensureFiles();
    // At program start the screen opens centred on the screen.
    if (QScreen *display = QGuiApplication::primaryScreen())
        screen->move(display->availableGeometry().center() - QPoint(screen->width() / 2, screen->height() / 2));
    screen->show();
    return screen;
}

void Program::connectMenu(MainScreen *screen)
{
    connect(screen, &MainScreen::foreColourRequested, this, [this] { m_options.chooseForeColour(); });
    connect(screen, &MainScreen::backColourRequested, this, [this] { m_options.chooseBackColour(); });
    connect(screen, &MainScreen::fullScreenDisplayToggled, this, [this] { m_options.toggleFullScreenDisplay(); });
    connect(screen, &MainScreen::soundToggled, this, [this] { m_options.toggleSound(); });
    connect(screen, &MainScreen::rankingResetRequested, this, [this] { m_ranking.reset(); });
    connect(screen, &MainScreen::settingsResetRequested, this, [this] { m_options.resetSettings(); });
    connect(screen, &MainScreen::trainingExtrasRequested, this, [] {
        // The training screen's 間隔 box shows whether the automatic speed sets it.
        if (ExtrasDialog::openFromMenu())
            if (TrainingScreen *training = TrainingScreen::existing())
                training->showIntervalSource();
    });
    connect(screen, &MainScreen::readMeRequested, this, &Help::openReadMe);
    connect(screen, &MainScreen::aboutRequested, this, &Help::showAbout);
    connect(screen, &MainScreen::exitRequested, this, &Program::exit);
}

ModeScreen *Program::modeScreen()
{
    if (ModeScreen *screen = ModeScreen::existing())
        return screen;
    auto *screen = new ModeScreen;
    ScreenRegistry::add(ModeScreen::ScreenNumber, screen);
    connectMenu(screen);
    const auto showSettings = [screen](const StoredSettings &values) { screen->setMenuChecks(values.fullScreenDisplay, values.soundOff); };
    showSettings(m_settings.values());
    connect(&m_settings, &SettingsStore::changed, screen, showSettings);
    connect(screen, &ModeScreen::trainingChosen, this, &Program::openTrainingScreen);
    connect(screen, &ModeScreen::challengeChosen, this, &Program::openChallengeScreen);
    return screen;
}

ModeScreen *Program::showModeScreen()
{
    ModeScreen *screen = modeScreen();
    Placement::placeAtActiveScreen(screen);
    screen->show();
    return screen;
}

template <class Screen>
Screen *Program::gameScreen()
{
    if (Screen *screen = Screen::existing())
        return screen;
    Screen *screen = nullptr;
    if constexpr (std::is_same_v<Screen, ChallengeScreen>)
        screen = new Screen(m_settings, m_ranking);
    else
        screen = new Screen(m_settings);
    ScreenRegistry::add(Screen::ScreenNumber, screen);
    connectMenu(screen);
    connect(screen, &GameScreen::modeRequested, this, &Program::showModeScreen);
    // The history is one of the training extras: a judged round is
    // announced only while it is kept; a challenge game's end always is.
    if constexpr (std::is_same_v<Screen, ChallengeScreen>)
        connect(screen, &ChallengeScreen::gameEnded, this, [this](int level, qint32 score, bool complete) {
            if (TrainingExtras::load().keepHistory)
                m_history.addChallengeGame(level, score, complete);
        });
    else
        connect(screen, &TrainingScreen::roundJudged, &m_history, &HistoryLog::add);
    screen->setSoundSource(m_soundSource);
    screen->load();
    return screen;
}

template <class Screen>
Screen *Program::openGameScreen()
{
    Screen *screen = gameScreen<Screen>();
    Placement::placeAtActiveScreen(screen);
    screen->show();
    return screen;
}

TrainingScreen *Program::trainingScreen()
{
    return gameScreen<TrainingScreen>();
}

ChallengeScreen *Program::challengeScreen()
{
    return gameScreen<ChallengeScreen>();
}

TrainingScreen *Program::openTrainingScreen()
{
    return openGameScreen<TrainingScreen>();
}

ChallengeScreen *Program::openChallengeScreen()
{
    return openGameScreen<ChallengeScreen>();
}

void Program::exit()
{
    m_settings.confirmSave();
    ScreenRegistry::closeAll();
}
