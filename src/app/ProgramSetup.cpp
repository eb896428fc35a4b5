#include "ProgramSetup.h"

#include "ChallengeScreen.h"
#include "ExtrasDialog.h"
#include "Fonts.h"
#include "HistoryLog.h"
#include "HelpCommands.h"
#include "MainScreen.h"
#include "ModeScreen.h"
#include "Navigation.h"
#include "OptionCommands.h"
#include "RankingStore.h"

namespace ProgramSetup {

void install()
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
    ChallengeScreen::setGameEndHook(&HistoryLog::challengeEnded);
}

} // namespace ProgramSetup
