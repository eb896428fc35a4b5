// The help menu commands and the opening of documents and
// addresses in the programs the desktop has for them.
#include "HelpCommands.h"

#include "AboutDialog.h"
#include "Messages.h"
#include "Placement.h"
#include "ShellTarget.h"

#include <QDesktopServices>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(shellLog, "plumeno.shell", QtWarningMsg)

} // namespace

void Help::showAbout()
{
    AboutDialog *about = AboutDialog::instance();
    Placement::placeAtActiveScreen(about);
    about->exec();
}

void Help::openReadMe()
{
    Help::shellOpen(QStringLiteral("READ ME.txt"));
}

void Help::shellOpen(const QString &target)
{
    // When the desktop has nothing to open it with (on Linux: no xdg-open,
    // from xdg-utils), the player is told so rather than left clicking at a
    // command that does nothing; the screen stays as it was.
    const QUrl url = ShellTarget::url(target);
    if (!QDesktopServices::openUrl(url)) {
        qCInfo(shellLog).noquote() << "nothing opened" << url.toString();
        Messages::show(QStringLiteral("「%1」を開くプログラムが見つかりませんでした。\n"
                                      "xdg-utils（xdg-open）を入れると開けるようになります。")
                           .arg(target),
                       QStringLiteral("起動報告"));
    }
}
