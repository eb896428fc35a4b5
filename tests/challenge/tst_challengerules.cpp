// How a correct challenge answer is paid, without a screen.
#include "ChallengeScoring.h"

#include <QTest>

class TestChallengeRules : public QObject
{
    Q_OBJECT
private slots:
    void scoring_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("bonusAtOpen");
        QTest::addColumn<int>("elapsedMs");
        QTest::addColumn<int>("bonusLeft");
        QTest::addColumn<int>("gain");
        QTest::newRow("fast answer, level 1: capped") << 1 << 11500 << 0 << 11500 << 10000;
        QTest::newRow("worn before it is capped") << 1 << 11500 << 1599 << 10000 << 10000;
        QTest::newRow("a whole step wears 100") << 1 << 11500 << 1600 << 9900 << 9900;
        QTest::newRow("less than a step costs nothing") << 3 << 11300 << 99 << 11300 << 12000;
        QTest::newRow("level 10 after 3.0 s") << 10 << 11600 << 3000 << 8600 << 16340;
        QTest::newRow("slow answer never goes below 0") << 40 << 11600 << 600000 << 0 << 0;
    }

    void scoring()
    {
        QFETCH(int, level);
        QFETCH(int, bonusAtOpen);
        QFETCH(int, elapsedMs);
        QFETCH(int, gain);
        const std::int32_t left = ChallengeScoring::wornBonus(bonusAtOpen, elapsedMs);
        QTEST(left, "bonusLeft");
        QCOMPARE(ChallengeScoring::scoreAfterHit(1234, std::int16_t(level), ChallengeScoring::cappedBonus(left)), 1234 + gain);
    }

    void gainIsBonusTimesLevelPlusNineOverTen()
    {
        // The floating-point weighting must never round a step of 100 away.
        for (std::int16_t level = 1; level <= 155; ++level)
            for (std::int32_t bonus = 0; bonus <= ChallengeScoring::BonusCap; bonus += 100)
                QCOMPARE(ChallengeScoring::scoreAfterHit(0, level, bonus), bonus * (level + 9) / 10);
    }
};

QTEST_GUILESS_MAIN(TestChallengeRules)
#include "tst_challengerules.moc"
