#include "BonusFairness.h"

#include "BenchHarness.h"
#include "ChallengeScreen.h"
#include "PictureButton.h"
#include "Program.h"
#include "RoundTimer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

BonusFigures measureBonusAtLevel10(int holdMs, bool busyEventLoop)
{
    BenchHarness harness;
    BonusFigures figures;
    ChallengeScreen *screen = harness.program().openChallengeScreen();
    while (screen->m_level < 10)
        screen->levelUp();
    screen->m_roundTimer->setInterval(10); // the flashes are not what is measured here

    QObject::connect(screen->m_bonusTimer, &QTimer::timeout, [&] { ++figures.countdownTicks; });
    QElapsedTimer open;
    QTimer hog;
    hog.setInterval(300);
    QObject::connect(&hog, &QTimer::timeout, [] {
        QElapsedTimer spin;
        spin.start();
        while (spin.elapsed() < 250) {
        }
    });

    QEventLoop loop;
    harness.answerDelayMs = holdMs;
    harness.answer = [&](const QString &) {
        figures.openMs = open.nsecsElapsed() / 1e6;
        hog.stop();
        return QString::number(screen->m_roundSum);
    };
    harness.onMessage = [&](const QString &text) {
        if (text == u"正解!!") {
            figures.bonusLeft = screen->m_timeBonus; // worn down, not yet capped
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
        }
    };
    harness.onDialogShown = [&](const QString &) {
        open.start();
        if (busyEventLoop)
            hog.start();
    };
    QTimer::singleShot(0, qApp, [&] { screen->m_startButton->click(); });
    loop.exec();
    return figures;
}
