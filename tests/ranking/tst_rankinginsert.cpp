// Entering a finished game's score in the ranking, on rows and on the files.
#include "RankingFiles.h"
#include "RankingInsert.h"
#include "RankingStore.h"
#include "SharedState.h"
#include "TestSupport.h"

#include <QFile>
#include <QTest>

using TestSupport::DefaultNames;
using TestSupport::DefaultScores;

class RankingInsertTest : public QObject
{
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void files_data();
    void files();
    void vanishedFilesAreRecreatedFirst();
};

void RankingInsertTest::rows_data()
{
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("50000 enters nowhere")
        << RankingFiles::defaultScores() << 50000 << -1 << RankingFiles::defaultScores();
    QTest::newRow("letters only count as 0 and move as 0")
        << QStringList{"150000", "130000", "abc", "70000", "50000"} << 1 << 2
        << QStringList{"150000", "130000", "1", "0", "70000"};
    QTest::newRow("moved texts are rewritten from their value, halves to even")
        << QStringList{" 0150000", "1 3 0 0 0 0", "100000.5", "70001.5", "50000"} << 120000 << 2
        << QStringList{" 0150000", "1 3 0 0 0 0", "120000", "100000", "70002"};
    QTest::newRow("&H and &O values")
        << QStringList{"&H30D40", "&O375720", "120abc", "70000", "50000"} << 125000 << 2
        << QStringList{"&H30D40", "&O375720", "125000", "120", "70000"};
    QTest::newRow("a value beyond 32 bits keeps its text")
        << QStringList{"150000", "130000", "10", "9e12", "50000"} << 20 << 2
        << QStringList{"150000", "130000", "20", "10", "9e12"};
}

void RankingInsertTest::rows()
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
        const QString name = row < 0 || i < row ? QStringLiteral("n%1").arg(i)
                             : i == row        ? QStringLiteral("new")
                                               : QStringLiteral("n%1").arg(i - 1);
        QCOMPARE(rows[i].name, name);
    }
}

void RankingInsertTest::files_data()
{
    QTest::addColumn<QByteArray>("namesIn");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("namesOut");
    QTest::addColumn<QByteArray>("scoresOut");
    QTest::newRow("160000") << DefaultNames << 160000 << "Taro"
                            << QByteArray("Taro\r\nAAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\n\r\n")
                            << QByteArray("160000\r\n150000\r\n130000\r\n100000\r\n70000\r\n\r\n");
    QTest::newRow("150000 tie") << DefaultNames << 150000 << "Taro"
                                << QByteArray("AAAAAAAA\r\nTaro\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\n\r\n")
                                << QByteArray("150000\r\n150000\r\n130000\r\n100000\r\n70000\r\n\r\n");
    QTest::newRow("100000, name in code page 932")
        << DefaultNames << 100000 << QStringLiteral("山田太郎")
        << QByteArray("AAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\n\x8e\x52\x93\x63\x91\xbe\x98\x59\r\nDDDDDDDD\r\n\r\n")
        << QByteArray("150000\r\n130000\r\n100000\r\n100000\r\n70000\r\n\r\n");
    QTest::newRow("50000 changes nothing but the layout")
        << DefaultNames << 50000 << "Taro" << DefaultNames + "\r\n" << DefaultScores + "\r\n";
    QTest::newRow("a names file of seven lines")
        << DefaultNames + "FFFF\r\nGGGG\r\n" << 70000 << "Taro"
        << QByteArray("AAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\nTaro\r\n\r\n")
        << QByteArray("150000\r\n130000\r\n100000\r\n70000\r\n70000\r\n\r\n");
    QTest::newRow("commas, quotes and leading spaces stay")
        << QByteArray("  Lead\r\na,b\r\n\"q\"\r\nD\nE\r\nlast\r\n") << 120000 << "x,\"y\""
        << QByteArray("  Lead\r\na,b\r\nx,\"y\"\r\n\"q\"\r\nD\nE\r\n\r\n")
        << QByteArray("150000\r\n130000\r\n120000\r\n100000\r\n70000\r\n\r\n");
}

void RankingInsertTest::files()
{
    QFETCH(QByteArray, namesIn);
    QFETCH(int, score);
    QFETCH(QString, name);
    QFETCH(QByteArray, namesOut);
    QFETCH(QByteArray, scoresOut);
    TestEnvironment env;
    env.writeFile(QStringLiteral("DATA/Data1.data"), namesIn);
    env.writeFile(QStringLiteral("DATA/Data2.data"), DefaultScores);
    sharedState().PlayerName = name;
    RankingStore().enter(score, sharedState().PlayerName);
    QCOMPARE(env.readFile(QStringLiteral("DATA/Data1.data")), namesOut);
    QCOMPARE(env.readFile(QStringLiteral("DATA/Data2.data")), scoresOut);
    QCOMPARE(sharedState().PlayerName, name);
    QCOMPARE(env.messages.size(), 0);
}

void RankingInsertTest::vanishedFilesAreRecreatedFirst()
{
    TestEnvironment env;
    env.writeDefaultFiles();
    QFile::remove(env.path(QStringLiteral("DATA/Data2.data")));
    qint32 score = 60000;
    QString name = QStringLiteral("Taro");
    RankingStore().enter(score, name);
    QCOMPARE(env.messages.size(), 1);
    QVERIFY(env.messages[0].text.startsWith(QStringLiteral("ランキングファイルが確認できません。自動生成します。")));
    QCOMPARE(env.readFile(QStringLiteral("DATA/Data2.data")), QByteArray("150000\r\n130000\r\n100000\r\n70000\r\n60000\r\n\r\n"));
    QCOMPARE(env.readFile(QStringLiteral("DATA/Data1.data")), QByteArray("AAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\nTaro\r\n\r\n"));
}

QTEST_MAIN(RankingInsertTest)
#include "tst_rankinginsert.moc"
