#include "Placement.h"

#include "ScreenRegistry.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace Placement {
namespace {

QPointer<QWidget> &lastMainScreen()
{
    static QPointer<QWidget> w;
    return w;
}

bool isOpenMainScreen(QWidget *w)
{
    using namespace ScreenRegistry;
    const int number = numberOf(w);
    return (number == Training || number == Mode || number == Challenge) && open(number) == w;
}

} // namespace

QWidget *activeScreen()
{
    // Offscreen and some window managers report no active window at all, so
    // the main screen activated last stands in for it.
    if (QWidget *w = QApplication::activeWindow(); isOpenMainScreen(w))
        return w;
    if (QWidget *last = lastMainScreen(); isOpenMainScreen(last))
        return last;
    using namespace ScreenRegistry;
    for (int i : {Training, Challenge, Mode})
        if (QWidget *screen = open(i); screen && screen->isVisible())
            return screen;
    return nullptr;
}

QScreen *gameScreen()
{
    if (QWidget *w = activeScreen(); w && w->screen())
        return w->screen();
    return QGuiApplication::primaryScreen();
}

void noteActiveMainScreen(QWidget *screen)
{
    lastMainScreen() = screen;
}

void placeAtActiveScreen(QWidget *window)
{
    QWidget *active = activeScreen();
    if (!active || active == window)
        return;
    window->move(active->frameGeometry().topLeft());
}

void centerOnActiveScreen(QWidget *window)
{
    QWidget *active = activeScreen();
    if (!active)
        return;
    const QRect a = active->frameGeometry();
    const QRect f = window->frameGeometry();
    // Tied before it is moved: a window made native after a move reports
    // its frame off by the frame's width until it is shown.
    keepWith(window, active);
    // Halves are kept until the end so that odd sizes centre the same way
    // the twips arithmetic did.
    const double top = a.height() / 2.0 + a.top() - f.height() / 2.0;
    const double left = a.width() / 2.0 + a.left() - f.width() / 2.0;
    window->move(qRound(left), qRound(top));
}

void keepWith(QWidget *window, QWidget *owner)
{
    QWindow *ownerWindow = owner ? owner->window()->windowHandle() : nullptr;
    if (!ownerWindow || owner->window() == window)
        return;
    window->winId(); // the hint lives on the native window
    window->windowHandle()->setTransientParent(ownerWindow);
}

QWidget *messageOwner()
{
    if (QWidget *dialog = QApplication::activeModalWidget())
        return dialog;
    return activeScreen();
}

double screenWidth()
{
    QScreen *s = gameScreen();
    return s ? s->geometry().width() * 15.0 : 0.0;
}

} // namespace Placement
