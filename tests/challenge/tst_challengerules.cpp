// How a correct challenge answer is paid, without a screen.
#include "ChallengeScoring.h"

#include <QTest>

class TestChallengeRules : public QObject
{
    Q_OBJECT
private slots:
    void scoring_data()
    {
        QTest::addColumn<QList<int>>("answered"); // level, bonus when the dialog opened, ms taken
        QTest::addColumn<QList<int>>("paid"); // the bonus left, the score gained
        QTest::newRow("fast answer, level 1: capped") << QList{1, 11500, 0} << QList{11500, 10000};
        QTest::newRow("worn before it is capped") << QList{1, 11500, 1599} << QList{10000, 10000};
        QTest::newRow("a whole step wears 100") << QList{1, 11500, 1600} << QList{9900, 9900};
        QTest::newRow("less than a step costs nothing") << QList{3, 11300, 99} << QList{11300, 12000};
        QTest::newRow("level 10 after 3.0 s") << QList{10, 11600, 3000} << QList{8600, 16340};
        QTest::newRow("slow answer never goes below 0") << QList{40, 11600, 600000} << QList{0, 0};
    }

    void scoring()
    {
        QFETCH(QList<int>, answered);
        const std::int32_t left = ChallengeScoring::wornBonus(answered[1], answered[2]);
        QTEST((QList<int>{left, ChallengeScoring::scoreAfterHit(1234, std::int16_t(answered[0]), ChallengeScoring::cappedBonus(left)) - 1234}), "paid");
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
