// Two copies of the program entering a score at the same moment: each runs
// the real insertion in a process of its own (rankingwriter), and neither
// entry may be lost nor any name end up beside another player's score.
#include "DataLock.h"
#include "RankingFiles.h"
#include "RankingProcedures.h"
#include "RankingScreen.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTest>

namespace {

QString writerPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("rankingwriter"));
}

QProcess *startWriter(const QString &dir, qint64 startAt, qint32 score, const QString &name)
{
    auto *p = new QProcess;
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(writerPath(), {dir, QString::number(startAt), QString::number(score), name});
    return p;
}

const QByteArray OldNames = TestSupport::DefaultNames;
const QByteArray OldScores = TestSupport::DefaultScores;

} // namespace

class TestTwoCopies : public QObject
{
    Q_OBJECT
private slots:
    void bothEntriesSurvive_data();
    void bothEntriesSurvive();
    void aLockLeftByACrashedCopyDoesNotBlock();
    void aLockHeldTooLongIsToldNotWaitedFor();
    void aSaveCutShortBetweenTheTwoFilesIsFinished();
};

void TestTwoCopies::bothEntriesSurvive_data()
{
    QTest::addColumn<int>("apartMs");
    QTest::newRow("at the same moment") << 0;
    QTest::newRow("10 ms apart") << 10;
}

void TestTwoCopies::bothEntriesSurvive()
{
    QFETCH(int, apartMs);
    constexpr int Trials = 10;
    const QHash<QString, QString> pairs{{"Alpha", "200000"}, {"Bravo", "190000"},   {"AAAAAAAA", "150000"},
                                        {"BBBBBBBB", "130000"}, {"CCCCCCCC", "100000"}, {"DDDDDDDD", "70000"},
                                        {"EEEEEEEE", "50000"}};
    int lost = 0, wrongPairs = 0, badTrials = 0;
    for (int trial = 0; trial < Trials; ++trial) {
        TestEnvironment env;
        env.writeDefaultFiles();
        const qint64 startAt = QDateTime::currentMSecsSinceEpoch() + 400;
        std::unique_ptr<QProcess> a(startWriter(env.dir(), startAt, 200000, "Alpha"));
        std::unique_ptr<QProcess> b(startWriter(env.dir(), startAt + apartMs, 190000, "Bravo"));
        QVERIFY(a->waitForFinished(20000));
        QVERIFY(b->waitForFinished(20000));
        QCOMPARE(a->exitCode(), 0);
        QCOMPARE(b->exitCode(), 0);
        const auto names = RankingFiles::readFile(env.path("DATA/Data1.data"));
        const auto scores = RankingFiles::readFile(env.path("DATA/Data2.data"));
        QVERIFY(names && scores);
        int lostHere = int(!names->rows.contains("Alpha")) + int(!names->rows.contains("Bravo"));
        int wrongHere = 0;
        for (int i = 0; i < RankingFiles::Rows; ++i)
            wrongHere += pairs.value(names->rows[i]) != scores->rows[i];
        lost += lostHere;
        wrongPairs += wrongHere;
        badTrials += lostHere + wrongHere > 0;
    }
    qInfo("%d trials, %d ms apart: %d entries lost, %d rows with a wrong pair, %d trials wrong", Trials, apartMs, lost,
          wrongPairs, badTrials);
    QCOMPARE(lost, 0);
    QCOMPARE(wrongPairs, 0);
}

void TestTwoCopies::aLockLeftByACrashedCopyDoesNotBlock()
{
    TestEnvironment env;
    env.writeDefaultFiles();
    QProcess crasher;
    crasher.start(writerPath(), {env.dir(), "hold-and-crash"});
    QVERIFY(crasher.waitForFinished(20000));
    QCOMPARE(crasher.exitCode(), 9);
    QVERIFY(QFile::exists(DataLock::path())); // left behind, as after a crash

    QElapsedTimer waited;
    waited.start();
    qint32 score = 200000;
    QString name = QStringLiteral("Alpha");
    RankingScreen::instance()->insertScore(score, name);
    QVERIFY2(env.messages.isEmpty(), qPrintable(env.messageTexts().join(u'|')));
    QVERIFY(env.readFile("DATA/Data1.data").startsWith("Alpha\r\n"));
    QVERIFY(env.readFile("DATA/Data2.data").startsWith("200000\r\n"));
    qInfo("insertion after a crashed copy's lock took %lld ms", waited.elapsed());
}

void TestTwoCopies::aLockHeldTooLongIsToldNotWaitedFor()
{
    // A copy that hangs while it holds the lock: the game's save gives up
    // after a short wait and says why, leaving the files as they are.
    TestEnvironment env;
    env.writeDefaultFiles();
    QProcess holder;
    holder.start(writerPath(), {env.dir(), "hold", "8000"});
    QVERIFY(holder.waitForReadyRead(20000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

    QElapsedTimer waited;
    waited.start();
    qint32 score = 200000;
    QString name = QStringLiteral("Alpha");
    RankingScreen::instance()->insertScore(score, name);
    const qint64 ms = waited.elapsed();
    QCOMPARE(env.messages.size(), 1);
    QCOMPARE(env.messages[0].title, QStringLiteral("保存報告"));
    QVERIFY(env.messages[0].text.contains(u"使用中"));
    QCOMPARE(env.readFile("DATA/Data1.data"), OldNames);
    QCOMPARE(env.readFile("DATA/Data2.data"), OldScores);
    QVERIFY(holder.state() == QProcess::Running); // told before the other let go
    qInfo("told after %lld ms", ms);
    holder.kill();
    holder.waitForFinished();
}

void TestTwoCopies::aSaveCutShortBetweenTheTwoFilesIsFinished()
{
    // A copy died after it had written the new names but not the new
    // scores: what it meant to write is still in its note of the save.
    TestEnvironment env;
    env.writeDefaultFiles();
    const QByteArray newNames = "Alpha\r\nAAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\n\r\n";
    const QByteArray newScores = "200000\r\n150000\r\n130000\r\n100000\r\n70000\r\n\r\n";
    RankingFiles::writePair(newNames, newScores, RankingFiles::CutShort::AfterNames);
    QCOMPARE(env.readFile("DATA/Data1.data"), newNames);
    QCOMPARE(env.readFile("DATA/Data2.data"), OldScores);

    Ranking::ensureFiles();
    QCOMPARE(env.readFile("DATA/Data1.data"), newNames);
    QCOMPARE(env.readFile("DATA/Data2.data"), newScores);
    QCOMPARE(env.messages.size(), 1);
    QCOMPARE(env.messages[0].title, QStringLiteral("保存報告"));
    // Finished once; later looks find nothing to finish.
    Ranking::ensureFiles();
    RankingScreen::instance()->readRanking();
    QCOMPARE(env.messages.size(), 1);
    QCOMPARE(RankingScreen::existing()->m_scoreLabels[0]->text(), QStringLiteral("200000"));
    QCOMPARE(QDir(env.path("DATA")).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

QTEST_MAIN(TestTwoCopies)
#include "tst_twocopies.moc"
