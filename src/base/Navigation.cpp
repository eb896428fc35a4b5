#include "Navigation.h"

#include "Placement.h"

#include <QWidget>

namespace Navigation {
namespace {

ScreenOpener &modeScreenOpener()
{
    static ScreenOpener opener;
    return opener;
}

} // namespace

void setModeScreenOpener(ScreenOpener opener)
{
    modeScreenOpener() = std::move(opener);
}

void showModeScreen()
{
    if (!modeScreenOpener())
        return;
    QWidget *modeScreen = modeScreenOpener()();
    Placement::placeAtActiveScreen(modeScreen);
    modeScreen->show();
}

} // namespace Navigation
