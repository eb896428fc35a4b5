#pragma once

// The screenshot tool's script: steps that each wait until the program is
// in the state they need and then act, and the player's hands (typing,
// Enter, clicks) that they act with.
#include "ScreenRegistry.h"

#include <QApplication>
#include <QRect>
#include <QString>
#include <functional>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace ScreenshotScript {

void setOutputDir(const QString &dir);
// Saves a picture of the widget (or of an area of it) as NAME.png.
void shoot(QWidget *w, const QString &name, QRect area = QRect());
void type(QLineEdit *edit, const QString &text);
void pressEnter(QWidget *w);
void clickSoon(QAbstractButton *button);

void add(const char *what, std::function<bool()> ready, std::function<void()> act);
// Runs the steps from the event loop and ends the application after the last.
void runScript();

// A screen that is open, or the modal dialog of that kind open now (a
// dialog in its modal loop does not count as open to the registry).
template <class T>
T *openScreen()
{
    if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
        return dialog;
    if constexpr (requires { T::ScreenNumber; })
        return static_cast<T *>(ScreenRegistry::open(T::ScreenNumber));
    else
        return nullptr;
}

template <class T>
bool isShown()
{
    T *screen = openScreen<T>();
    return screen && screen->isVisible();
}

// The modal dialog of that kind open now, or nullptr.
template <class T>
T *modal()
{
    auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

} // namespace ScreenshotScript
