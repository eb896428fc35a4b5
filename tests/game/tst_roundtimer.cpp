#include "RoundTimer.h"

#include <QElapsedTimer>
#include <QTest>

class TestRoundTimer : public QObject
{
    Q_OBJECT
private slots:
    void scheduleComesFromOneStartTime_data()
    {
        QTest::addColumn<QList<qint64>>("ticksDoneAndNow");
        QTest::addColumn<QList<qint64>>("dueAndOrigin"); // in ms
        // 100 ms ticks from 0: tick k is due at k x 100 whatever the earlier
        // ticks did, unless the machine fell more than a tick behind.
        QTest::newRow("previous tick came late") << QList<qint64>{3, 337} << QList<qint64>{400, 0};
        QTest::newRow("behind by a whole tick") << QList<qint64>{3, 500} << QList<qint64>{400, 0};
        QTest::newRow("stalled past a whole tick") << QList<qint64>{3, 650} << QList<qint64>{750, 350};
    }
    void scheduleComesFromOneStartTime()
    {
        QFETCH(QList<qint64>, ticksDoneAndNow);
        const auto due = RoundTimer::nextDue(0, ticksDoneAndNow[0], 100, ticksDoneAndNow[1] * 1000000);
        QTEST((QList<qint64>{due.dueNs / 1000000, due.originNs / 1000000}), "dueAndOrigin");
    }

    void ticksAreNeverEarly()
    {
        // Each tick's time on a clock started just before the timer, against
        // its due time; a busy machine may make ticks late, never early.
        // Twice: a timer stopped and started again counts from its new start.
        constexpr int IntervalMs = 20, Ticks = 15;
        RoundTimer timer(QStringLiteral("roundTimer"));
        timer.setInterval(IntervalMs);
        QList<qint64> firedNs;
        QElapsedTimer clock;
        connect(&timer, &RoundTimer::timeout, this, [&] {
            firedNs << clock.nsecsElapsed();
            if (firedNs.size() == Ticks)
                timer.stop();
        });
        for (int run = 1; run <= 2; ++run) {
            firedNs.clear();
            clock.start();
            timer.start();
            QTRY_COMPARE_WITH_TIMEOUT(firedNs.size(), Ticks, Ticks * IntervalMs * 20);
            for (int k = 1; k <= Ticks; ++k)
                QVERIFY2(firedNs[k - 1] >= qint64(k) * IntervalMs * 1000000,
                         qPrintable(QStringLiteral("run %1, tick %2 came at %3 ms").arg(run).arg(k).arg(firedNs[k - 1] / 1e6)));
        }
    }
};

QTEST_MAIN(TestRoundTimer)
#include "tst_roundtimer.moc"
