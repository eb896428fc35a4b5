// How a correct challenge answer is paid, without a screen.
#include "ChallengeScoring.h"

#include <QTest>

class TestChallengeRules : public QObject
{
    Q_OBJECT
private slots:
    void scoring_data();
    void scoring();
    void gainIsBonusTimesLevelPlusNineOverTen();
};

void TestChallengeRules::scoring_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("bonusAtOpen");
    QTest::addColumn<int>("elapsedMs");
    QTest::addColumn<int>("bonusLeft");
    QTest::addColumn<int>("gain");
    QTest::newRow("fast answer, level 1") << 1 << 11500 << 0 << 11500 << 10000;
    QTest::newRow("level 1 within 1.5 s") << 1 << 11500 << 1599 << 10000 << 10000;
    QTest::newRow("level 1 after 1.6 s") << 1 << 11500 << 1600 << 9900 << 9900;
    QTest::newRow("level 2 within 1.4 s") << 2 << 11400 << 1499 << 10000 << 11000;
    QTest::newRow("level 2 after 1.5 s") << 2 << 11400 << 1500 << 9900 << 10890;
    QTest::newRow("less than a step costs nothing") << 3 << 11300 << 99 << 11300 << 12000;
    QTest::newRow("fast answer, level 5") << 5 << 11100 << 0 << 11100 << 14000;
    QTest::newRow("fast answer, level 6") << 6 << 12000 << 0 << 12000 << 15000;
    QTest::newRow("level 10 after 3.0 s") << 10 << 11600 << 3000 << 8600 << 16340;
    QTest::newRow("fast answer, level 155") << 155 << 11100 << 0 << 11100 << 164000;
    QTest::newRow("bonus runs out at interval + 10500 ms") << 1 << 11500 << 11500 << 0 << 0;
    QTest::newRow("slow answer never goes below 0") << 40 << 11600 << 600000 << 0 << 0;
}

void TestChallengeRules::scoring()
{
    QFETCH(int, level);
    QFETCH(int, bonusAtOpen);
    QFETCH(int, elapsedMs);
    QFETCH(int, bonusLeft);
    QFETCH(int, gain);
    const std::int32_t left = ChallengeScoring::wornBonus(bonusAtOpen, elapsedMs);
    QCOMPARE(left, bonusLeft);
    QCOMPARE(ChallengeScoring::scoreAfterHit(1234, std::int16_t(level), ChallengeScoring::cappedBonus(left)), 1234 + gain);
}

void TestChallengeRules::gainIsBonusTimesLevelPlusNineOverTen()
{
    // The floating-point weighting must never round a step of 100 away,
    // and a full bonus at every level adds up to the largest score.
    std::int32_t best = 0;
    for (std::int16_t level = 1; level <= 155; ++level) {
        for (std::int32_t bonus = 0; bonus <= ChallengeScoring::BonusCap; bonus += 100)
            QCOMPARE(ChallengeScoring::scoreAfterHit(0, level, bonus), bonus * (level + 9) / 10);
        best = ChallengeScoring::scoreAfterHit(best, level, ChallengeScoring::BonusCap);
    }
    QCOMPARE(best, 13485000);
}

QTEST_MAIN(TestChallengeRules)
#include "tst_challengerules.moc"
