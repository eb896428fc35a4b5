#include "BonusFairness.h"

#include "BenchHarness.h"
#include "Form3.h"
#include "PictureButton.h"
#include "RoundTimer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

BonusFigures measureBonusAtLevel10(int holdMs, bool busyEventLoop)
{
    BenchHarness harness;
    BonusFigures figures;
    Form3 *form = Form3::instance();
    form->show();
    while (form->Level < 10)
        form->lv_Up();
    form->Timer1->setInterval(10); // the flashes are not what is measured here

    QObject::connect(form->Timer2, &QTimer::timeout, [&] { ++figures.countdownTicks; });
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
        return QString::number(form->RoundSum);
    };
    harness.onMessage = [&](const QString &text) {
        if (text == u"正解!!") {
            figures.bonusLeft = form->TimeBonus; // worn down, not yet capped
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
        }
    };
    harness.onDialogShown = [&](const QString &) {
        open.start();
        if (busyEventLoop)
            hog.start();
    };
    QTimer::singleShot(0, qApp, [&] { form->Command1->click(); });
    loop.exec();
    return figures;
}
