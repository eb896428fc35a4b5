// The automatic speed's staircase: its steps, turns, limits and estimate,
// its text in the extras file, and where it settles on simulated players.
#include "Staircase.h"

#include <QTest>
#include <cmath>
#include <random>

using Staircase::Rule;

class TestStaircase : public QObject
{
    Q_OBJECT
private slots:
    void next_data()
    {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<double>("start");
        QTest::addColumn<QString>("answers"); // R right, W wrong
        QTest::addColumn<double>("interval");
        QTest::addColumn<int>("turns");
        QTest::addColumn<double>("estimate"); // 0: none yet
        const Rule two = Rule::TwoDown, three = Rule::ThreeDown;
        QTest::newRow("big steps until the first wrong") << two << 1000.0 << "RR" << 490.0 << 0 << 0.0;
        QTest::newRow("the first wrong turns, a medium step") << two << 1000.0 << "RW" << 1000 * 0.7 / 0.85 << 1 << 0.0;
        QTest::newRow("one right does not shorten") << two << 1000.0 << "WR" << 1000 / 0.85 << 0 << 0.0;
        QTest::newRow("two rights shorten") << two << 1000.0 << "WRR" << 1000.0 << 1 << 0.0;
        QTest::newRow("3-down: two are not enough") << three << 1000.0 << "WRR" << 1000 / 0.85 << 0 << 0.0;
        QTest::newRow("a wrong answer ends the run") << two << 1000.0 << "WRWR" << 1000 / 0.85 / 0.85 << 0 << 0.0;
        QTest::newRow("small steps after two turns") << two << 1000.0 << "RWRRW" << 700 / 0.95 << 3 << 0.0;
        QTest::newRow("the latest six turns") << two << 1000.0 << "RWRRWRRWRRWRRWRRW" << 700 / 0.95 << 11 << (700 + 700 / 0.95) / 2;
        QTest::newRow("never under 1 ms") << two << 0.2 << "RR" << 1.0 << 0 << 0.0;
        QTest::newRow("never over the longest") << two << Staircase::MaxMs << "W" << Staircase::MaxMs << 0 << 0.0;
    }
    void next()
    {
        QFETCH(Rule, rule);
        QFETCH(double, start);
        QFETCH(QString, answers);
        Staircase::State s = Staircase::start(start);
        for (QChar a : answers)
            s = Staircase::next(s, a == u'R', rule);
        QTEST(s.intervalMs, "interval");
        QTEST(s.turns, "turns");
        QTEST(Staircase::estimate(s).value_or(0), "estimate");
        QCOMPARE(Staircase::fromText(Staircase::toText(s)), s); // kept in the extras file as it is
    }

    void damagedTextReadsAsNone_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("words") << "fast please";
        QTest::newRow("too few") << "500 0 -1 1";
        QTest::newRow("under 1 ms") << "0.5 0 -1 1 0";
        QTest::newRow("a run too long") << "500 3 -1 1 0";
        QTest::newRow("more turns listed than made") << "500 0 -1 1 1 400 600";
        QTest::newRow("a turn not a number") << "500 0 -1 1 1 nan";
    }
    void damagedTextReadsAsNone()
    {
        QFETCH(QString, text);
        QVERIFY(!Staircase::fromText(text));
    }

    // A player right with a chance rising with the interval, along a logistic
    // in log interval, at exactly the rule's target share at `threshold`.
    void settlesWithinTenPercentOfThePlayersThreshold_data()
    {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<double>("threshold");
        for (Rule rule : {Rule::TwoDown, Rule::ThreeDown})
            for (double threshold : {200.0, 500.0, 1000.0, 1500.0})
                QTest::addRow("%s %g ms", rule == Rule::TwoDown ? "2-down" : "3-down", threshold) << rule << threshold;
    }
    void settlesWithinTenPercentOfThePlayersThreshold()
    {
        QFETCH(Rule, rule);
        QFETCH(double, threshold);
        const double target = Staircase::targetAccuracy(rule);
        // 60 rounds tell an interval within 10 % only on a steep enough
        // curve (see the benchmark): slope 6, where ~87 % of players get there.
        constexpr int Players = 300;
        int within = 0;
        for (int player = 0; player < Players; ++player) {
            std::mt19937 random(std::uint32_t(player + 1));
            std::uniform_real_distribution<double> uniform(0, 1);
            Staircase::State s = Staircase::start(1000);
            for (int round = 0; round < 60; ++round) {
                const double chance = 1 / (1 + (1 / target - 1) * std::pow(threshold / Staircase::roundMs(s), 6));
                s = Staircase::next(s, uniform(random) < chance, rule);
            }
            within += std::abs(Staircase::estimate(s).value_or(0) / threshold - 1) < 0.1 ? 1 : 0;
        }
        QVERIFY2(within >= Players * 8 / 10, qPrintable(QString::number(within)));
    }
};

QTEST_MAIN(TestStaircase)
#include "tst_staircase.moc"
