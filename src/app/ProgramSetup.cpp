#include "ProgramSetup.h"

#include "ChallengeScreen.h"
#include "ExtrasDialog.h"
#include "Fonts.h"
#include "HelpCommands.h"
#include "HistoryLog.h"
#include "MainScreen.h"
#include "ModeScreen.h"
#include "Navigation.h"
#include "OptionCommands.h"
#include "RankingStore.h"
#include "SoundPluginLoader.h"
#include "TrainingExtras.h"
#include "TrainingScreen.h"

#include <memory>

namespace ProgramSetup {

namespace {

// What lives for one run. A new install is a new run (each test's).
struct Run
{
    std::unique_ptr<SoundPluginLoader> soundPlugin;
    std::unique_ptr<HistoryLog> history;
};

Run &run()
{
    static Run r;
    return r;
}

} // namespace

void install(WavePlayerFactory *soundSource)
{
    Fonts::installSubstitutions();
    Fonts::useJapaneseDefault();
    Navigation::setModeScreenOpener([] { return ModeScreen::instance(); });
    MainScreen::setMenuCommands({
        .chooseForeColor = &OptionCommands::chooseForeColor,
        .chooseBackColor = &OptionCommands::chooseBackColor,
        .toggleMaxDisplay = &OptionCommands::toggleMaxDisplay,
        .toggleSound = &OptionCommands::toggleSound,
        .resetRanking = [] { RankingStore().reset(); },
        .resetSettings = &OptionCommands::resetSettings,
        .openTrainingExtras = &ExtrasDialog::openFromMenu,
        .openReadMe = &Help::openReadMe,
        .showAbout = &Help::showAbout,
    });

    Run &r = run();
    r.soundPlugin = std::make_unique<SoundPluginLoader>();
    r.history = std::make_unique<HistoryLog>();
    WavePlayerFactory *sound = soundSource ? soundSource : r.soundPlugin.get();
    HistoryLog *history = r.history.get();
    TrainingScreen::setCreatedHook([sound, history](TrainingScreen &screen) {
        screen.setSoundSource(sound);
        QObject::connect(&screen, &TrainingScreen::roundJudged, history, &HistoryLog::add);
    });
    ChallengeScreen::setCreatedHook([sound, history](ChallengeScreen &screen) {
        screen.setSoundSource(sound);
        QObject::connect(&screen, &ChallengeScreen::gameEnded, history, [history](int level, qint32 score, bool complete) {
            if (TrainingExtras::load().keepHistory)
                history->addChallengeGame(level, score, complete);
        });
    });
}

} // namespace ProgramSetup
