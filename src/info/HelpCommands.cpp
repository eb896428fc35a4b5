// The help menu commands of Module1 and the opening of documents and
// addresses in the programs the desktop has for them.
#include "Form8.h"
#include "Module1.h"
#include "ShellTarget.h"

#include <QDesktopServices>

namespace Module1 {
namespace {

ShellHook &shellHook()
{
    static ShellHook hook;
    return hook;
}

} // namespace

void ShowAbout()
{
    Form8 *about = Form8::instance();
    PlaceAtActiveForm(about);
    about->exec();
}

void OpenReadMe()
{
    ShellOpen(QStringLiteral("READ ME.txt"));
}

void ShellOpen(const QString &target)
{
    if (shellHook()) {
        shellHook()(target);
        return;
    }
    // Nothing to report when no program takes the target: the screen the
    // player is on simply stays as it was.
    QDesktopServices::openUrl(ShellTarget::url(target));
}

void SetShellHook(ShellHook hook)
{
    shellHook() = std::move(hook);
}

} // namespace Module1
