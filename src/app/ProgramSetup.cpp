#include "ProgramSetup.h"

#include "Fonts.h"
#include "HelpCommands.h"
#include "MainScreen.h"
#include "ModeScreen.h"
#include "Navigation.h"
#include "OptionCommands.h"
#include "RankingProcedures.h"

namespace ProgramSetup {

void install()
{
    Fonts::installSubstitutions();
    Navigation::setModeScreenOpener([] { return ModeScreen::instance(); });
    MainScreen::setMenuCommands({
        .chooseForeColor = &OptionCommands::chooseForeColor,
        .chooseBackColor = &OptionCommands::chooseBackColor,
        .toggleMaxDisplay = &OptionCommands::toggleMaxDisplay,
        .toggleSound = &OptionCommands::toggleSound,
        .resetRanking = &Ranking::reset,
        .resetSettings = &OptionCommands::resetSettings,
        .openReadMe = &Help::openReadMe,
        .showAbout = &Help::showAbout,
    });
}

} // namespace ProgramSetup
