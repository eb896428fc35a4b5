#include "RoundTimer.h"

#include <QSignalSpy>
#include <QTest>

class TestRoundTimer : public QObject
{
    Q_OBJECT
private slots:
    void scheduleComesFromOneStartTime_data()
    {
        QTest::addColumn<qint64>("ticksDone");
        QTest::addColumn<qint64>("nowMs");
        QTest::addColumn<qint64>("dueMs");
        QTest::addColumn<qint64>("originMs");
        // 100 ms ticks from 0: tick k is due at k x 100 whatever the earlier
        // ticks did, unless the machine fell more than a tick behind.
        QTest::newRow("first tick") << qint64(0) << qint64(0) << qint64(100) << qint64(0);
        QTest::newRow("previous tick came late") << qint64(3) << qint64(337) << qint64(400) << qint64(0);
        QTest::newRow("previous tick came early") << qint64(3) << qint64(299) << qint64(400) << qint64(0);
        QTest::newRow("behind, less than a tick") << qint64(3) << qint64(480) << qint64(400) << qint64(0);
        QTest::newRow("stalled past a whole tick") << qint64(3) << qint64(650) << qint64(750) << qint64(350);
    }
    void scheduleComesFromOneStartTime()
    {
        QFETCH(qint64, ticksDone);
        QFETCH(qint64, nowMs);
        const auto due = RoundTimer::nextDue(0, ticksDone, 100, nowMs * 1000000);
        QTEST(due.dueNs / 1000000, "dueMs");
        QTEST(due.originNs / 1000000, "originMs");
    }

    void ticksUntilStoppedAndRestartsFromZero()
    {
        RoundTimer timer(QStringLiteral("roundTimer"));
        QCOMPARE(timer.objectName(), QStringLiteral("roundTimer"));
        timer.setInterval(2);
        int ticks = 0;
        connect(&timer, &RoundTimer::timeout, this, [&] {
            if (++ticks == 5)
                timer.stop();
        });
        timer.start();
        QVERIFY(timer.isActive());
        QTRY_VERIFY(!timer.isActive());
        QCOMPARE(ticks, 5);
        QTest::qWait(20);
        QCOMPARE(ticks, 5);
        timer.start();
        QTRY_COMPARE(ticks, 6);
        timer.stop();
    }

    void zeroIntervalNeverStarts()
    {
        RoundTimer timer(QStringLiteral("roundTimer"));
        timer.setInterval(0);
        timer.start();
        QVERIFY(!timer.isActive());
    }
};

QTEST_MAIN(TestRoundTimer)
#include "tst_roundtimer.moc"
