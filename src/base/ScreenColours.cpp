#include "ScreenColours.h"

#include "ColorRef.h"
#include "Placement.h"
#include "ScreenRegistry.h"
#include "SharedState.h"

#include <QAction>
#include <QLabel>
#include <QWidget>

namespace ScreenColours {
namespace {

void setChecks(QWidget *screen)
{
    const SharedState &s = sharedState();
    if (auto *max = screen->findChild<QAction *>(QStringLiteral("maxDisplayAction")))
        max->setChecked(s.MaxDisplayOn);
    if (auto *sound = screen->findChild<QAction *>(QStringLiteral("soundOffAction")))
        sound->setChecked(s.SoundOff);
}

void setColors(QWidget *w)
{
    const SharedState &s = sharedState();
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, ColorRef::toQColor(s.ForeColorSetting));
    pal.setColor(QPalette::Window, ColorRef::toQColor(s.BackColorSetting));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->update();
}

} // namespace

void apply(const QString &screenName)
{
    if (screenName == u"TrainingScreen" || screenName == u"ChallengeScreen") {
        QWidget *screen = ScreenRegistry::openByName(screenName);
        if (!screen)
            return;
        if (auto *label = screen->findChild<QLabel *>(QStringLiteral("numberLabel")))
            setColors(label);
        setChecks(screen);
    } else if (screenName == u"ModeScreen") {
        if (QWidget *screen = ScreenRegistry::openByName(screenName))
            setChecks(screen);
    } else if (QWidget *display = ScreenRegistry::open(ScreenRegistry::FullScreen)) {
        setColors(display);
    }
}

void applyToActiveScreen()
{
    if (QWidget *active = Placement::activeScreen())
        apply(active->objectName());
}

} // namespace ScreenColours
