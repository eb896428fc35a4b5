// Entering a finished game's score in the ranking.
#include "RankingFiles.h"
#include "RankingInsert.h"
#include "RankingStore.h"
#include "TestSupport.h"

#include <QFile>
#include <QTest>

class TestRankingInsert : public QObject
{
    Q_OBJECT
private slots:
    void rows_data()
    {
        QTest::addColumn<QStringList>("scores");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("160000 enters at the top")
            << RankingFiles::defaultScores() << 160000 << 0 << QStringList{"160000", "150000", "130000", "100000", "70000"};
        QTest::newRow("a tie goes below") << RankingFiles::defaultScores() << 100000 << 3
                                          << QStringList{"150000", "130000", "100000", "100000", "70000"};
        QTest::newRow("letters only count as 0 and move as 0")
            << QStringList{"150000", "130000", "abc", "70000", "50000"} << 1 << 2 << QStringList{"150000", "130000", "1", "0", "70000"};
        QTest::newRow("moved texts are rewritten from their value, halves to even")
            << QStringList{" 0150000", "1 3 0 0 0 0", "100000.5", "70001.5", "50000"} << 120000 << 2
            << QStringList{" 0150000", "1 3 0 0 0 0", "120000", "100000", "70002"};
        QTest::newRow("a value beyond 32 bits keeps its text")
            << QStringList{"150000", "130000", "10", "9e12", "50000"} << 20 << 2 << QStringList{"150000", "130000", "20", "10", "9e12"};
    }
    void rows()
    {
        QFETCH(QStringList, scores);
        QFETCH(int, score);
        QFETCH(int, row);
        QFETCH(QStringList, after);
        QList<RankingInsert::Row> rows;
        for (int i = 0; i < scores.size(); ++i)
            rows.append({QStringLiteral("n%1").arg(i), scores[i]});
        QCOMPARE(RankingInsert::insert(rows, score, QStringLiteral("new")), row);
        for (int i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].score, after[i]);
            // Names travel with their scores; the new one takes the entry's row.
            QCOMPARE(rows[i].name, i == row ? QStringLiteral("new") : QStringLiteral("n%1").arg(i > row ? i - 1 : i));
        }
    }

    void vanishedFilesAreRecreatedFirstAndRewrittenEvenWithoutAnEntry()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        QFile::remove(env.path(QStringLiteral("DATA/Data2.data")));
        RankingStore().enter(40000, QStringLiteral("Taro"));
        QVERIFY2(env.messages.size() == 1 && env.messages[0].text.startsWith(u"ランキングファイルが確認できません。自動生成します。\n"_qs),
                 qPrintable(env.messageTexts().join(u'|')));
        QCOMPARE(env.readFile("DATA/Data1.data") + env.readFile("DATA/Data2.data"), TestSupport::DefaultNames + "\r\n" + TestSupport::DefaultScores + "\r\n");
    }
};

QTEST_MAIN(TestRankingInsert)
#include "tst_rankinginsert.moc"
