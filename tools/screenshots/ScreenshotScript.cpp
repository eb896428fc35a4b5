#include "ScreenshotScript.h"

#include <QAbstractButton>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <deque>

namespace ScreenshotScript {
namespace {

QString outputDir;

} // namespace

void setOutputDir(const QString &dir)
{
    outputDir = dir;
}

void shoot(QWidget *w, const QString &name, QRect area)
{
    QApplication::processEvents();
    const QPixmap p = w->grab(area.isNull() ? QRect(QPoint(0, 0), w->size()) : area);
    const QString file = QDir(outputDir).filePath(name + QStringLiteral(".png"));
    if (!p.save(file))
        qFatal("cannot write %s", qPrintable(file));
    std::printf("%s\n", qPrintable(file));
    std::fflush(stdout);
}

// Typing into a dialog's text box the way a player does, Enter included.
void type(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
}

void pressEnter(QWidget *w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(w, &press);
}

// Clicks later, from the event loop: a click that opens a modal dialog
// would otherwise hold up the script until the dialog closes.
void clickSoon(QAbstractButton *button)
{
    QTimer::singleShot(0, button, &QAbstractButton::click);
}

namespace {

// The script: each step waits until the program is in the state it needs,
// then acts. A polling timer drives it, so it goes on inside the modal
// dialogs' own event loops as well.
struct Step
{
    const char *what;
    std::function<bool()> ready;
    std::function<void()> act;
};

std::deque<Step> script;

} // namespace

void add(const char *what, std::function<bool()> ready, std::function<void()> act)
{
    script.push_back({what, std::move(ready), std::move(act)});
}

void runScript()
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll] {
        // A step's action may open a modal dialog whose loop polls again.
        static bool acting = false;
        if (acting)
            return;
        if (script.empty()) {
            poll->stop();
            QApplication::exit(0);
            return;
        }
        Step step = script.front();
        if (!step.ready())
            return;
        script.pop_front();
        acting = true;
        step.act();
        acting = false;
    });
    poll->start(5);
    QTimer::singleShot(60000, qApp, [] {
        std::fprintf(stderr, "screenshots: stuck at \"%s\"\n", script.empty() ? "end" : script.front().what);
        std::_Exit(1);
    });
}

} // namespace ScreenshotScript
