// Two copies of the program sharing one ranking: each runs the real store
// in a process of its own (rankingwriter). No entry may be lost, no name
// end up beside another player's score, and a copy that dies at any moment
// of its save must not cost the next copy its score.
#include "DataLock.h"
#include "RankingFiles.h"
#include "RankingStore.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

namespace {

QProcess *startWriter(const QStringList &arguments)
{
    auto *p = new QProcess;
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("rankingwriter")), arguments);
    return p;
}

// A copy that keeps the data lock until it is killed.
std::unique_ptr<QProcess> startHolder(const QString &dir)
{
    std::unique_ptr<QProcess> holder(startWriter({dir, "hold", "20000"}));
    if (!holder->waitForReadyRead(20000) || holder->readLine().trimmed() != "held")
        qFatal("the holding copy did not start");
    return holder;
}

// Rows whose name is not beside its own score, or cannot be read. A name
// "V<n>" goes with the score n.
int brokenPairs(const TestEnvironment &env)
{
    static const QHash<QString, QString> pairs{{"Alpha", "200000"},   {"Bravo", "190000"},   {"AAAAAAAA", "150000"},
                                               {"BBBBBBBB", "130000"}, {"CCCCCCCC", "100000"}, {"DDDDDDDD", "70000"},
                                               {"EEEEEEEE", "50000"}};
    const auto names = RankingFiles::readFile(env.path("DATA/Data1.data"));
    const auto scores = RankingFiles::readFile(env.path("DATA/Data2.data"));
    if (!names || !scores)
        return RankingFiles::Rows;
    int broken = names->unreadable + scores->unreadable;
    for (int i = 0; i < RankingFiles::Rows; ++i) {
        const QString &name = names->rows[i];
        broken += (name.startsWith(u'V') ? name.mid(1) : pairs.value(name)) != scores->rows[i];
    }
    return broken;
}

} // namespace

class TestTwoCopies : public QObject
{
    Q_OBJECT
private slots:
    void bothEntriesSurvive();
    void aCopyKilledAroundItsSaveCostsTheNextCopyNothing();
    void aLockFileLeftInAnyStateDoesNotBlock_data();
    void aLockFileLeftInAnyStateDoesNotBlock();
    void aScoreRefusedWhileAnotherCopyHoldsTheRankingWaits_data();
    void aScoreRefusedWhileAnotherCopyHoldsTheRankingWaits();
    void aSaveCutShortBetweenTheTwoFilesIsFinished();
};

void TestTwoCopies::bothEntriesSurvive()
{
    // Both at the same moment.
    constexpr int Trials = 10;
    int lost = 0, broken = 0;
    for (int trial = 0; trial < Trials; ++trial) {
        TestEnvironment env;
        env.writeDefaultFiles();
        const qint64 startAt = QDateTime::currentMSecsSinceEpoch() + 250;
        std::unique_ptr<QProcess> a(startWriter({env.dir(), QString::number(startAt), "200000", "Alpha"}));
        std::unique_ptr<QProcess> b(startWriter({env.dir(), QString::number(startAt), "190000", "Bravo"}));
        QVERIFY(a->waitForFinished(20000) && b->waitForFinished(20000));
        QCOMPARE(a->exitCode() + b->exitCode(), 0);
        const QByteArray names = env.readFile("DATA/Data1.data");
        lost += int(!names.contains("Alpha")) + int(!names.contains("Bravo"));
        broken += brokenPairs(env);
    }
    qInfo("%d trials: %d entries lost, %d rows with a wrong pair", Trials, lost, broken);
    QCOMPARE(lost, 0);
    QCOMPARE(broken, 0);
}

void TestTwoCopies::aCopyKilledAroundItsSaveCostsTheNextCopyNothing()
{
    // A copy saving one score after another is killed at a random moment:
    // taking the lock, holding it, between the two files, or letting go.
    // PLUMENO_CRASH_TRIALS sets the count for a longer run by hand.
    const int trials = qEnvironmentVariableIntValue("PLUMENO_CRASH_TRIALS") > 0
                           ? qEnvironmentVariableIntValue("PLUMENO_CRASH_TRIALS") : 20;
    int lost = 0, broken = 0, told = 0, finished = 0;
    for (int trial = 0; trial < trials; ++trial) {
        TestEnvironment env;
        env.writeDefaultFiles();
        std::unique_ptr<QProcess> victim(startWriter({env.dir(), "loop", "160000"}));
        QVERIFY(victim->waitForStarted());
        QTest::qSleep(20 + QRandomGenerator::global()->bounded(230));
        victim->kill();
        QVERIFY(victim->waitForFinished());
        const bool saved = RankingStore().enter(200000, QStringLiteral("Alpha"));
        lost += !saved || !env.readFile("DATA/Data1.data").startsWith("Alpha\r\n");
        broken += brokenPairs(env);
        for (const Messages::Call &call : std::as_const(env.messages)) {
            // A save the killed copy left half done, finished, is all it may say.
            const bool finishing = call.text.startsWith(u"前回ランキングを保存している途中で");
            finished += finishing;
            told += !finishing;
        }
    }
    qInfo("%d copies killed: %d scores lost, %d rows with a wrong pair, %d saves finished, %d other messages", trials,
          lost, broken, finished, told);
    QCOMPARE(lost, 0);
    QCOMPARE(broken, 0);
    QCOMPARE(told, 0);
}

void TestTwoCopies::aLockFileLeftInAnyStateDoesNotBlock_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("removalLeftBehind"); // Plumeno.lock.rmlock
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("half written") << QByteArray("4") << false;
    QTest::newRow("a removal left behind") << QByteArray("999999\nPlumeno\n") << true;
}

void TestTwoCopies::aLockFileLeftInAnyStateDoesNotBlock()
{
    QFETCH(QByteArray, content);
    TestEnvironment env;
    env.writeDefaultFiles();
    env.writeFile("Plumeno.lock", content);
    QFETCH(bool, removalLeftBehind);
    if (removalLeftBehind)
        env.writeFile("Plumeno.lock.rmlock", "");
    QVERIFY(RankingStore(500).enter(200000, QStringLiteral("Alpha")));
    QVERIFY2(env.messages.isEmpty(), qPrintable(env.messageTexts().join(u'|')));
    QVERIFY(env.readFile("DATA/Data2.data").startsWith("200000\r\n"));
}

void TestTwoCopies::aScoreRefusedWhileAnotherCopyHoldsTheRankingWaits_data()
{
    QTest::addColumn<bool>("leaving"); // offered on the way out, else with the next game's save
    QTest::newRow("next save") << false;
    QTest::newRow("leaving") << true;
}

void TestTwoCopies::aScoreRefusedWhileAnotherCopyHoldsTheRankingWaits()
{
    QFETCH(bool, leaving);
    TestEnvironment env;
    env.writeDefaultFiles();
    std::unique_ptr<QProcess> holder = startHolder(env.dir());
    RankingStore store(300);
    QVERIFY(!store.enter(200000, QStringLiteral("Alpha")));
    QCOMPARE(env.messages.size(), 1);
    QCOMPARE(env.messages[0].title, QStringLiteral("保存報告"));
    QVERIFY(env.messages[0].text.contains(u"使用中"));
    QCOMPARE(env.readFile("DATA/Data1.data"), TestSupport::DefaultNames);
    QCOMPARE(holder->state(), QProcess::Running); // told before the other let go

    // Still held on the way out: asked, and tried again once the other goes.
    const auto letGo = [&] {
        holder->kill();
        holder->waitForFinished();
    };
    env.onMessage = [&](const Messages::Call &call) {
        if (call.buttons == Messages::Buttons::YesNo)
            letGo();
    };
    if (leaving) {
        store.offerWaitingScores();
    } else {
        letGo();
        store.enter(190000, QStringLiteral("Bravo"));
    }
    QCOMPARE(env.messages.size(), leaving ? 2 : 1);
    QCOMPARE(store.waitingScores(), 0);
    QVERIFY(env.readFile("DATA/Data1.data").startsWith(leaving ? "Alpha\r\nAAAAAAAA" : "Alpha\r\nBravo\r\nAAAAAAAA"));
    QCOMPARE(brokenPairs(env), 0);
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

    RankingStore store;
    store.ensureFiles();
    QCOMPARE(env.readFile("DATA/Data1.data") + env.readFile("DATA/Data2.data"), newNames + newScores);
    QCOMPARE(env.messages.size(), 1);
    // Finished once; later looks find nothing to finish.
    store.ensureFiles();
    QCOMPARE(store.rows().first().score, QStringLiteral("200000"));
    QCOMPARE(env.messages.size(), 1);
    QCOMPARE(QDir(env.path("DATA")).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

QTEST_MAIN(TestTwoCopies)
#include "tst_twocopies.moc"
