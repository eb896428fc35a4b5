// Quitting with the close box during a round, on both game screens: once
// the player confirms, the round stops before the save question, so no
// number flashes or sounds under it, no answer is asked for or judged and
// the ranking is not written.
#include "ChallengeScreen.h"
#include "GameScreen.h"
#include "Messages.h"
#include "RoundTimer.h"
#include "Program.h"
#include "SettingsStore.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QAbstractButton>
#include <QPointer>
#include <QTest>

class TestQuitDuringRound : public QObject
{
    Q_OBJECT
private slots:
    void roundStopsBeforeTheSaveQuestion_data()
    {
        QTest::addColumn<bool>("challenge");
        QTest::newRow("training") << false;
        QTest::newRow("challenge") << true;
    }

    void roundStopsBeforeTheSaveQuestion()
    {
        QFETCH(bool, challenge);
        TestEnvironment env;
        env.writeDefaultFiles();
        GameScreen *screen = challenge ? static_cast<GameScreen *>(env.program().challengeScreen())
                                       : TestSupport::openTrainingScreen(env, {"1", "15", "0.05"});
        screen->show();
        env.program().settings().markChanged(); // so that quitting asks to save

        // Any dialog of the round that opens all the same is answered (wrongly),
        // so that the fault shows as a failure rather than a wait.
        int dialogsOpened = 0;
        for (int i = 0; i < 2; ++i)
            TestSupport::answerNextDialog([&] { ++dialogsOpened; return QStringLiteral("1"); });

        bool stoppedUnderSaveQuestion = false;
        qsizetype soundsAtYes = -1;
        QPointer<GameScreen> guard(screen);
        env.answers = {Messages::Answer::Yes, Messages::Answer::No};
        env.onMessage = [&](const Messages::Call &call) {
            if (call.text == u"ゲーム中です。終了しますか？") {
                QVERIFY(screen->m_roundTimer->isActive()); // the round is under way
                soundsAtYes = env.sound.calls.size();
            }
            if (call.text != u"設定が変更されています。保存しますか？" || !guard)
                return;
            // The player takes a moment over the save question; the round, at
            // 20 ms a tick, would have run on to its end meanwhile.
            const int ticks = screen->m_tickCount;
            QTest::qWait(300);
            stoppedUnderSaveQuestion = !screen->m_roundTimer->isActive() && screen->m_tickCount == ticks
                                       && !TestSupport::openDialog();
        };
        QTest::mouseClick(screen->findChild<QAbstractButton *>("startButton"), Qt::LeftButton);
        screen->m_roundTimer->setInterval(20); // under way: the quit question checks
        QVERIFY(TestSupport::userClose(screen));
        QTest::qWait(100); // anything left queued would run now

        QVERIFY(stoppedUnderSaveQuestion);
        QCOMPARE(dialogsOpened, 0);
        QCOMPARE(env.messageTexts(), (QStringList{"ゲーム中です。終了しますか？", "設定が変更されています。保存しますか？",
                                                  "保存しませんでした。"}));
        // After the Yes, the sound player was only closed.
        QCOMPARE(env.sound.calls.mid(soundsAtYes), QStringList{"stop"});
        QVERIFY(!guard);
        QCOMPARE(env.readFile("DATA/Data1.data") + env.readFile("DATA/Data2.data"), TestSupport::DefaultNames + TestSupport::DefaultScores);
    }
};

QTEST_MAIN(TestQuitDuringRound)
#include "tst_quitduringround.moc"
