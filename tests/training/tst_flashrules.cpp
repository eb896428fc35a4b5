// The rules of a round that need no window: the numbers drawn, what START
// reads from the training screen's boxes, and the plan of a round with extras.
#include "FlashRules.h"
#include "RoundPlan.h"
#include "StartChoice.h"

#include <QTest>
#include <deque>
#include <numeric>
#include <random>

namespace {

// A repeatable stand-in for the clock-seeded generator.
std::function<double()> seeded(unsigned seed)
{
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine] { return std::uniform_real_distribution<double>(0, 1)(*engine); };
}

} // namespace

class TestFlashRules : public QObject
{
    Q_OBJECT
private slots:
    void drawRejectsShortNumbersAndRepeats()
    {
        // 0.05 and 0.099 give 5 and 9 (one digit), 0.575 the previous 57, 0.999 gives 99.
        std::deque<double> script{0.05, 0.099, 0.575, 0.999};
        auto next = [&] { const double r = script.front(); script.pop_front(); return r; };
        QCOMPARE(FlashRules::drawNumber(next, 2, 57), 99);
        QVERIFY(script.empty());
    }

    void startReading_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("terms");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QList<int>>("want"); // digits, terms, milliseconds; empty: refused
        // Single precision must still give every list interval in whole milliseconds.
        for (int i = 1; i <= 20; ++i)
            QTest::addRow("list interval %d", i) << "1" << "1" << QString::number(i / 10.0, 'f', 1) << QList{1, 1, i * 100};
        QTest::newRow("halves to even: 3.5 digits, 2.5 terms") << "3.5" << "2.5" << "1" << QList{4, 2, 1000};
        QTest::newRow("text after the number") << "3桁" << "4コマ" << "0.5秒" << QList{3, 4, 500};
        QTest::newRow("negative terms allowed") << "2" << "-4" << "1" << QList{2, -4, 1000};
        QTest::newRow("largest terms") << "1" << "32765" << "1" << QList{1, 32765, 1000};
        QTest::newRow("too many terms") << "1" << "32766" << "1" << QList<int>{};
        QTest::newRow("terms below 16 bits") << "1" << "-40000" << "1" << QList<int>{};
        QTest::newRow("nine digits, two terms") << "9" << "2" << "1" << QList{9, 2, 1000};
        QTest::newRow("ten digits") << "10" << "1" << "1" << QList<int>{};
        QTest::newRow("0.5 digits rounds to 0") << "0.5" << "1" << "1" << QList<int>{};
        QTest::newRow("the smallest interval") << "1" << "1" << "0.001" << QList{1, 1, 1};
        QTest::newRow("0.0005 s rounds to even 0 ms") << "1" << "1" << "0.0005" << QList<int>{};
        QTest::newRow("interval past a timer") << "1" << "1" << "3000000" << QList<int>{};
        QTest::newRow("most five-digit terms") << "5" << "21475" << "1" << QList{5, 21475, 1000};
        QTest::newRow("one five-digit term too many") << "5" << "21476" << "1" << QList<int>{};
    }
    void startReading()
    {
        QFETCH(QString, digits);
        QFETCH(QString, terms);
        QFETCH(QString, interval);
        const auto reading = StartChoice::readStart(digits, terms, interval);
        QCOMPARE(reading.refusal.isEmpty(), reading.choice.has_value());
        const auto &c = reading.choice;
        QTEST(c ? QList<int>({int(c->digits), int(c->terms), int(c->intervalMs)}) : QList<int>(), "want");
    }

    void numbersKeepTheRules_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("terms");
        QTest::addColumn<int>("minusPercent");
        QTest::addColumn<int>("target"); // subtractions asked for in each round
        QTest::newRow("no subtraction") << 3 << 15 << 0 << 0;
        QTest::newRow("one digit, half") << 1 << 15 << 50 << 8;
        QTest::newRow("one term is never subtracted") << 4 << 1 << 50 << 0;
        QTest::newRow("nine digits, two terms") << 9 << 2 << 50 << 1;
    }
    void numbersKeepTheRules()
    {
        QFETCH(int, digits);
        QFETCH(int, terms);
        QFETCH(int, minusPercent);
        QFETCH(int, target);
        const qint64 low = qint64(std::pow(10, digits - 1)), high = qint64(std::pow(10, digits)) - 1;
        QList<int> perPlace(terms, 0); // subtractions at each place over all rounds
        for (unsigned seed = 1; seed <= 300; ++seed) {
            const QList<std::int32_t> n = RoundPlan::numbers(seeded(seed), digits, terms, minusPercent);
            const QList<std::int32_t> totals = RoundPlan::runningTotals(n);
            QCOMPARE(n.size(), terms);
            qint64 total = 0;
            for (int i = 0; i < n.size(); ++i) {
                const qint64 magnitude = std::abs(qint64(n[i]));
                QVERIFY2(magnitude >= low && magnitude <= high, qPrintable(QString::number(n[i])));
                QVERIFY2(i == 0 || magnitude != std::abs(qint64(n[i - 1])), "the same digits twice in a row");
                perPlace[i] += n[i] < 0 ? 1 : 0;
                QVERIFY2((total += n[i]) >= 0 && totals[i] == total, "a wrong or negative running total");
            }
            QVERIFY(std::count_if(n.begin(), n.end(), [](int x) { return x < 0; }) <= target);
        }
        QCOMPARE(perPlace[0], 0);
        // Spread over the round, and only rarely dropped when the total cannot afford one.
        for (int i = 1; i < terms && target > 0; ++i)
            QVERIFY2(perPlace[i] > 30, qPrintable(QString::number(i)));
        const int allMinus = std::accumulate(perPlace.begin(), perPlace.end(), 0);
        QVERIFY2(allMinus >= target * 300 * 9 / 10, qPrintable(QString::number(allMinus)));
    }

    void digitsOutsideOneToNineGiveNoNumbers()
    {
        QVERIFY(RoundPlan::numbers(seeded(1), 0, 5, 50).isEmpty());
        QVERIFY(RoundPlan::numbers(seeded(1), 10, 5, 50).isEmpty());
    }

    void intervalForTotalSendsHalvesToEven()
    {
        // 2.5 ms to the even 2, 3.5 ms to the even 4, exactly 1 ms a number allowed. Refused for no terms
        // and under 1 ms a number: tst_extras, by the messages.
        const auto ms = [](int totalMs, int terms) { return RoundPlan::intervalForTotal(totalMs, terms).value_or(0); };
        QCOMPARE((QList<int>{ms(5, 2), ms(7, 2), ms(150, 150)}), (QList<int>{2, 4, 1}));
    }

    void gapOnsetKeepsTheFractionOfAMillisecond()
    {
        // No gap at 100 %: tst_traininground, the clock sounding on the number before.
        QCOMPARE(RoundPlan::gapOnsetNs(1, 75).value_or(-1), std::int64_t(750000)); // 75 % of 1 ms
    }
};

QTEST_GUILESS_MAIN(TestFlashRules)
#include "tst_flashrules.moc"
