#include "ProgramReset.h"

#include "HelpCommands.h"
#include "Messages.h"
#include "OptionCommands.h"
#include "Placement.h"
#include "ProgramPaths.h"
#include "ProgramSetup.h"
#include "SettingsProcedures.h"
#include "SharedState.h"

namespace ProgramReset {

void resetForTests()
{
    sharedState() = SharedState{};
    Messages::setResponder(nullptr);
    ProgramPaths::setProgramDir(QString());
    ProgramPaths::setUserDataDirForTests(QString());
    Placement::resetForTests();
    Settings::resetFileStateForTests();
    OptionCommands::setColorDialogHook(nullptr);
    Help::setShellHook(nullptr);
    ProgramSetup::install();
}

} // namespace ProgramReset
