#include "FlashTiming.h"

#include "BenchHarness.h"
#include "Form1.h"
#include "MMControl.h"
#include "Module1.h"
#include "PictureButton.h"
#include "RoundTimer.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

namespace {

// Stamps the first paint of the number display after each new number.
class PaintStamp : public QObject
{
public:
    bool waiting = false;
    std::function<void(qint64)> painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && waiting) {
            waiting = false;
            painted(benchNowNs());
        }
        return false;
    }
};

} // namespace

FlashTimes measureTrainingRounds(int intervalMs, int rounds, int terms, Scheduler scheduler)
{
    BenchHarness harness;
    FlashTimes times;
    Form1 *form = Form1::instance();
    form->show();
    form->Timer1->setPlainQtTimerForComparison(scheduler == Scheduler::PlainQtTimer);
    form->Combo1->setEditText(QStringLiteral("3"));
    form->Combo2->setEditText(QString::number(terms));
    form->Combo3->setEditText(QString::number(intervalMs / 1000.0, 'f', 3));

    qint64 startNs = 0;
    int flashes = 0; // flashes set so far in this round
    const auto errorMs = [&](qint64 ns, int flash) {
        return (double(ns - startNs) - double(flash) * intervalMs * 1e6) / 1e6;
    };

    PaintStamp stamp;
    stamp.painted = [&](qint64 ns) { times.paintErrorMs.push_back(errorMs(ns, flashes)); };
    form->Label1->installEventFilter(&stamp);

    // The clock sound is started on each flash tick right before its number
    // is set, so its "Play" marks the moment the number goes up.
    bool clockOpened = false;
    MMControl::SetCommandLog([&](const QString &command, const QString &file) {
        if (command == u"Open")
            clockOpened = file.endsWith(u"clock.wav");
        if (command == u"Play" && clockOpened) {
            clockOpened = false;
            const qint64 now = benchNowNs();
            ++flashes;
            times.setErrorMs.push_back(errorMs(now, flashes));
            if (flashes == terms)
                times.lastFlashErrorMs.push_back(errorMs(now, flashes));
            stamp.waiting = true;
        }
    });

    QEventLoop loop;
    int roundsLeft = rounds;
    const std::function<void()> startRound = [&] {
        flashes = 0;
        startNs = benchNowNs();
        form->Command1->click();
    };
    harness.answer = [&](const QString &) { return QString::number(form->RoundSum); };
    harness.onMessage = [&](const QString &) {
        // The verdict: this round is over.
        if (--roundsLeft > 0)
            QTimer::singleShot(50, qApp, startRound);
        else
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
    };

    QTimer::singleShot(0, qApp, startRound);
    loop.exec();
    MMControl::SetCommandLog(nullptr);
    form->Label1->removeEventFilter(&stamp);
    return times;
}
