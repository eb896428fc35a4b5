#include "FlashRules.h"
#include "StartChoice.h"

#include <QTest>
#include <deque>

using FlashRules::TickKind;

class TestFlashRules : public QObject
{
    Q_OBJECT
private slots:
    void tickKinds_data()
    {
        QTest::addColumn<int>("terms");
        QTest::addColumn<QList<int>>("kinds"); // of ticks 1, 2, 3, 4
        const int F = int(TickKind::Flash), B = int(TickKind::Blank), E = int(TickKind::Final);
        QTest::newRow("two terms") << 2 << QList<int>{F, F, B, E};
        QTest::newRow("one term") << 1 << QList<int>{F, B, E, E};
        QTest::newRow("zero terms") << 0 << QList<int>{B, E, E, E};
        QTest::newRow("negative terms") << -3 << QList<int>{E, E, E, E};
    }
    void tickKinds()
    {
        QFETCH(int, terms);
        QFETCH(QList<int>, kinds);
        for (int tick = 1; tick <= kinds.size(); ++tick)
            QCOMPARE(int(FlashRules::tickKind(tick, terms)), kinds[tick - 1]);
    }

    void drawRejectsShortNumbersAndRepeats()
    {
        // 0.05 * 100 = 5 (one digit), 0.57 gives the previous 57, 0.999 gives 99.
        std::deque<double> script{0.05, 0.575, 0.999};
        auto next = [&] { const double r = script.front(); script.pop_front(); return r; };
        QCOMPARE(FlashRules::drawNumber(next, 2, 57), 99);
        QVERIFY(script.empty());
    }

    void everyNumberHasItsDigitsAndDiffersFromTheLast()
    {
        std::uint64_t state = 7;
        auto next = [&] {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            return double(state >> 11) / double(1ULL << 53);
        };
        for (int d = 1; d <= 9; ++d) {
            QSet<int> seen;
            int last = 0;
            for (int i = 0; i < 300; ++i) {
                const int n = FlashRules::drawNumber(next, d, last);
                QVERIFY2(QString::number(n).size() == d && n != last, qPrintable(QString::number(n)));
                seen.insert(n);
                last = n;
            }
            if (d == 1)
                QCOMPARE(seen.size(), 9); // every digit but 0
        }
    }

    void startReading_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("terms");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("wantDigits");
        QTest::addColumn<int>("wantTerms");
        QTest::addColumn<int>("wantMs");
        QTest::newRow("defaults") << "1" << "1" << "1.0" << true << 1 << 1 << 1000;
        QTest::newRow("interval 1") << "1" << "1" << "1" << true << 1 << 1 << 1000;
        QTest::newRow("typed 0.25") << "1" << "1" << "0.25" << true << 1 << 1 << 250;
        QTest::newRow("fastest list value") << "5" << "15" << "0.1" << true << 5 << 15 << 100;
        QTest::newRow("2.5 digits") << "2.5" << "3" << "1.0" << true << 2 << 3 << 1000;
        QTest::newRow("3.5 digits") << "3.5" << "3" << "1.0" << true << 4 << 3 << 1000;
        QTest::newRow("text after number") << "3桁" << "4コマ" << "0.5秒" << true << 3 << 4 << 500;
        QTest::newRow("zero terms allowed") << "2" << "0" << "1" << true << 2 << 0 << 1000;
        QTest::newRow("negative terms allowed") << "2" << "-4" << "1" << true << 2 << -4 << 1000;
        QTest::newRow("largest terms") << "1" << "32765" << "1" << true << 1 << 32765 << 1000;
        QTest::newRow("nine digits, two terms") << "9" << "2" << "1" << true << 9 << 2 << 1000;
        QTest::newRow("half millisecond rounds up to even 2") << "1" << "1" << "0.0015" << true << 1 << 1 << 2;
        QTest::newRow("zero digits") << "0" << "1" << "1" << false << 0 << 0 << 0;
        QTest::newRow("letters for digits") << "abc" << "1" << "1" << false << 0 << 0 << 0;
        QTest::newRow("ten digits") << "10" << "1" << "1" << false << 0 << 0 << 0;
        QTest::newRow("0.5 digits rounds to 0") << "0.5" << "1" << "1" << false << 0 << 0 << 0;
        QTest::newRow("too many terms") << "1" << "32766" << "1" << false << 0 << 0 << 0;
        QTest::newRow("terms below 16 bits") << "1" << "-40000" << "1" << false << 0 << 0 << 0;
        QTest::newRow("zero interval") << "1" << "1" << "0" << false << 0 << 0 << 0;
        QTest::newRow("the smallest the refusal names") << "1" << "1" << "0.001" << true << 1 << 1 << 1;
        QTest::newRow("0.0005 s rounds to even 0 ms") << "1" << "1" << "0.0005" << false << 0 << 0 << 0;
        QTest::newRow("interval rounding to 0 ms") << "1" << "1" << "0.0004" << false << 0 << 0 << 0;
        QTest::newRow("negative interval") << "1" << "1" << "-1" << false << 0 << 0 << 0;
        QTest::newRow("interval past a timer") << "1" << "1" << "3000000" << false << 0 << 0 << 0;
        QTest::newRow("interval overflowing a float") << "1" << "1" << "1E300" << false << 0 << 0 << 0;
        QTest::newRow("sum past 32 bits") << "9" << "3" << "1" << false << 0 << 0 << 0;
        QTest::newRow("most five-digit terms") << "5" << "21475" << "1" << true << 5 << 21475 << 1000;
        QTest::newRow("one five-digit term too many") << "5" << "21476" << "1" << false << 0 << 0 << 0;
    }
    void startReading()
    {
        QFETCH(QString, digits);
        QFETCH(QString, terms);
        QFETCH(QString, interval);
        QFETCH(bool, accepted);
        const auto reading = StartChoice::readStart(digits, terms, interval);
        QCOMPARE(reading.choice.has_value(), accepted);
        if (!accepted) {
            QVERIFY(!reading.refusal.isEmpty());
            return;
        }
        QFETCH(int, wantDigits);
        QFETCH(int, wantTerms);
        QFETCH(int, wantMs);
        QCOMPARE(int(reading.choice->digits), wantDigits);
        QCOMPARE(int(reading.choice->terms), wantTerms);
        QCOMPARE(reading.choice->intervalMs, wantMs);
    }

    void everyListIntervalIsWholeMilliseconds()
    {
        for (int i = 1; i <= 20; ++i) {
            const auto reading = StartChoice::readStart(u"1", u"1", QString::number(i / 10.0, 'f', 1));
            QVERIFY(reading.choice);
            QCOMPARE(reading.choice->intervalMs, i * 100);
        }
    }
};

QTEST_GUILESS_MAIN(TestFlashRules)
#include "tst_flashrules.moc"
