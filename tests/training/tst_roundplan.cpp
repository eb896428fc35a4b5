// The numbers and timing of a round with extras, without any window.
#include "RoundPlan.h"

#include <QTest>
#include <random>

namespace {

// A repeatable stand-in for the clock-seeded generator.
std::function<double()> seeded(unsigned seed)
{
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine] { return std::uniform_real_distribution<double>(0, 1)(*engine); };
}

} // namespace

class TestRoundPlan : public QObject
{
    Q_OBJECT
private slots:
    void numbersKeepTheRules_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("terms");
        QTest::addColumn<int>("minusPercent");
        QTest::addColumn<int>("target"); // subtractions asked for in each round
        QTest::newRow("no subtraction") << 3 << 15 << 0 << 0;
        QTest::newRow("one digit, half") << 1 << 15 << 50 << 8;
        QTest::newRow("two digits, a fifth") << 2 << 10 << 20 << 2;
        QTest::newRow("five digits, half") << 5 << 15 << 50 << 8;
        QTest::newRow("one term is never subtracted") << 4 << 1 << 50 << 0;
        QTest::newRow("two terms, half") << 2 << 2 << 50 << 1;
        QTest::newRow("nine digits") << 9 << 2 << 50 << 1;
    }
    void numbersKeepTheRules()
    {
        QFETCH(int, digits);
        QFETCH(int, terms);
        QFETCH(int, minusPercent);
        QFETCH(int, target);
        int allMinus = 0;
        const qint64 low = qint64(std::pow(10, digits - 1)), high = qint64(std::pow(10, digits)) - 1;
        for (unsigned seed = 1; seed <= 300; ++seed) {
            const QList<std::int32_t> n = RoundPlan::numbers(seeded(seed), digits, terms, minusPercent);
            QCOMPARE(n.size(), terms);
            qint64 total = 0;
            int minus = 0;
            for (int i = 0; i < n.size(); ++i) {
                const qint64 magnitude = std::abs(qint64(n[i]));
                QVERIFY2(magnitude >= low && magnitude <= high, qPrintable(QString::number(n[i])));
                if (i > 0)
                    QVERIFY2(magnitude != std::abs(qint64(n[i - 1])), "the same digits twice in a row");
                minus += n[i] < 0 ? 1 : 0;
                total += n[i];
                QVERIFY2(total >= 0, "the running total went below zero");
            }
            QVERIFY(n.isEmpty() || n[0] > 0);
            QVERIFY(minus <= target);
            allMinus += minus;
        }
        // A subtraction the total cannot afford is only rarely dropped.
        QVERIFY2(allMinus >= target * 300 * 9 / 10, qPrintable(QString::number(allMinus)));
    }

    void subtractionsAreSpreadOverTheRound()
    {
        // Over many rounds every place after the first gets subtractions.
        QList<int> perPlace(15, 0);
        for (unsigned seed = 1; seed <= 400; ++seed) {
            const auto n = RoundPlan::numbers(seeded(seed), 3, 15, 30);
            for (int i = 0; i < n.size(); ++i)
                perPlace[i] += n[i] < 0 ? 1 : 0;
        }
        QCOMPARE(perPlace[0], 0);
        for (int i = 1; i < 15; ++i)
            QVERIFY2(perPlace[i] > 10, qPrintable(QString::number(i)));
    }

    void badShapesGiveNoNumbers_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("terms");
        QTest::newRow("no terms") << 2 << 0;
        QTest::newRow("negative terms") << 2 << -3;
        QTest::newRow("no digits") << 0 << 5;
        QTest::newRow("ten digits") << 10 << 5;
    }
    void badShapesGiveNoNumbers()
    {
        QFETCH(int, digits);
        QFETCH(int, terms);
        QVERIFY(RoundPlan::numbers(seeded(1), digits, terms, 50).isEmpty());
    }

    void runningTotals()
    {
        QCOMPARE(RoundPlan::runningTotals({12, -5, 30, -37}), (QList<std::int32_t>{12, 7, 37, 0}));
        QVERIFY(RoundPlan::runningTotals({}).isEmpty());
    }

    void intervalForTotal_data()
    {
        QTest::addColumn<int>("totalMs");
        QTest::addColumn<int>("terms");
        QTest::addColumn<int>("intervalMs"); // 0: refused
        QTest::newRow("competition, 15 in 1.65 s") << 1650 << 15 << 110;
        QTest::newRow("2 s over 15 rounds down") << 2000 << 15 << 133;
        QTest::newRow("2.5 ms goes to the even 2") << 5 << 2 << 2;
        QTest::newRow("3.5 ms goes to the even 4") << 7 << 2 << 4;
        QTest::newRow("one term takes it all") << 1650 << 1 << 1650;
        QTest::newRow("exactly 1 ms") << 150 << 150 << 1;
        QTest::newRow("0.67 ms is refused, not rounded up") << 100 << 150 << 0;
        QTest::newRow("0.99 ms is refused, not rounded up") << 149 << 150 << 0;
        QTest::newRow("no terms") << 1650 << 0 << 0;
        QTest::newRow("negative terms") << 1650 << -2 << 0;
    }
    void intervalForTotal()
    {
        QFETCH(int, totalMs);
        QFETCH(int, terms);
        QFETCH(int, intervalMs);
        const std::optional<int> ms = RoundPlan::intervalForTotal(totalMs, terms);
        QCOMPARE(ms.value_or(0), intervalMs);
    }

    void gapOnset_data()
    {
        QTest::addColumn<int>("intervalMs");
        QTest::addColumn<int>("flashPercent");
        QTest::addColumn<qint64>("onsetNs"); // -1: no gap
        QTest::newRow("whole interval, as designed") << 1000 << 100 << qint64(-1);
        QTest::newRow("half of 1 s") << 1000 << 50 << qint64(500000000);
        QTest::newRow("80 % of 110 ms") << 110 << 80 << qint64(88000000);
        QTest::newRow("75 % of 1 ms keeps the fraction") << 1 << 75 << qint64(750000);
    }
    void gapOnset()
    {
        QFETCH(int, intervalMs);
        QFETCH(int, flashPercent);
        QFETCH(qint64, onsetNs);
        QCOMPARE(RoundPlan::gapOnsetNs(intervalMs, flashPercent).value_or(-1), onsetNs);
    }
};

QTEST_GUILESS_MAIN(TestRoundPlan)
#include "tst_roundplan.moc"
