// The challenge screen with real widgets and real timers at short intervals.
#include "ChallengeScreen.h"
#include "PictureButton.h"
#include "Program.h"
#include "RankingScreen.h"
#include "RoundTimer.h"
#include "ScreenRegistry.h"
#include "TestSupport.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QFile>
#include <QTest>

class TestChallengeScreen : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;
    ChallengeScreen *m_screen = nullptr;
    qint64 m_now = 0; // the answer clock stands still unless a test moves it

    void levelUpTo(int level) { for (int n = 1; n < level; ++n) m_screen->levelUp(); }
    QString scoreAndLevel() const { return m_screen->m_scoreLabel->text() + "/" + m_screen->m_levelLabel->text(); }
    // Between games: score 0 at level 1, START shown and focused.
    bool waitsForStart() const
    {
        return scoreAndLevel() == u"0/1" && m_screen->m_startButton->isVisible() && !m_screen->m_nextButton->isVisible()
               && !m_screen->m_inGame && m_screen->focusWidget() == m_screen->m_startButton;
    }
    // One round from START or NEXT to its judgement, answering the sum + wrongBy.
    void play(int wrongBy, const std::function<void()> &whileAnswering = {})
    {
        m_screen->m_roundTimer->setInterval(5);
        TestSupport::whenDialogOpens(QStringLiteral("AnswerDialog"), [=, this](QWidget *w) {
            if (whileAnswering)
                whileAnswering();
            TestSupport::answerDialog(w, QString::number(m_screen->m_roundSum + wrongBy));
        });
        QTest::mouseClick(m_screen->m_startButton->isHidden() ? m_screen->m_nextButton : m_screen->m_startButton, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(m_screen->m_exitButton->isEnabled(), 10000);
    }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_env->writeDefaultFiles();
        m_now = 0;
        m_screen = TestSupport::program().challengeScreen();
        m_screen->move(123, 45);
        m_screen->show();
        m_screen->setAnswerClock([this] { return m_now; });
    }
    void cleanup() { m_env.reset(); }

    void ladder_data()
    {
        QTest::addColumn<QList<int>>("shape"); // level, digits, terms, interval in ms, bonus
        // Five levels of 2 + 2 from 1000 ms, then groups of ten from 1500 down to 600 ms.
        for (int n = 1; n <= 155; ++n) {
            const int k = n - 6, g = k / 10;
            const int digits = n <= 5 ? 2 : 2 + (g + 1) / 4, terms = n <= 5 ? 2 : 2 + (g + 1) % 4;
            const int ms = n <= 5 ? 1100 - 100 * n : 1500 - 100 * (k % 10);
            QTest::addRow("level %d: %d digits, %d terms, %d ms", n, digits, terms, ms) << QList{n, digits, terms, ms, ms + 10500};
        }
    }
    void ladder()
    {
        QFETCH(QList<int>, shape);
        levelUpTo(shape[0]);
        QCOMPARE((QList<int>{m_screen->m_levelLabel->text().toInt(), m_screen->m_digits, m_screen->m_terms, m_screen->m_roundTimer->interval(), m_screen->m_timeBonus}), shape);
    }

    void bonusWearsDownUnderTheAnswerDialog()
    {
        levelUpTo(10);
        bool worn = false;
        // Level 10 (1100 ms, a bonus of 11600): after 3.0 s the bonus timer's
        // ticks under the modal dialog wear it to 8600; answered 1.0 s later,
        // before the next tick, the closing itself takes it to 7600.
        play(0, [&] {
            m_now += 3000;
            worn = QTest::qWaitFor([this] { return m_screen->m_timeBonus == 8600; }, 5000);
            m_now += 1000;
        });
        QVERIFY(worn);
        QCOMPARE(scoreAndLevel(), QStringLiteral("14440/11"));
    }

    void rankingRecreatesMissingFiles()
    {
        // A player may delete the ranking files while the game runs: RANKING
        // makes them again, with the usual message, before it shows them.
        QFile::remove(m_env->path(QStringLiteral("DATA/Data1.data")));
        QFile::remove(m_env->path(QStringLiteral("DATA/Data2.data")));
        QByteArray filesWhenShown;
        TestSupport::whenDialogOpens(QStringLiteral("RankingScreen"), [&](QWidget *w) {
            filesWhenShown = m_env->readFile(QStringLiteral("DATA/Data1.data")) + m_env->readFile(QStringLiteral("DATA/Data2.data"));
            w->close();
        });
        QTest::mouseClick(m_screen->m_rankingButton, Qt::LeftButton);
        QCOMPARE(m_env->messageTexts(), QStringList{QStringLiteral("ランキングファイルが確認できません。自動生成します。")});
        QCOMPARE(filesWhenShown, TestSupport::DefaultNames + TestSupport::DefaultScores);
    }

    void wholeGame()
    {
        m_env->writeFile(QStringLiteral("DATA/Data2.data"), "150000\r\n130000\r\n100000\r\n7000\r\n5000\r\n");
        bool lockedWhileAnswering = false;
        play(0, [&] {
            lockedWhileAnswering = !m_screen->m_settingsMenu->menuAction()->isEnabled() && !m_screen->m_helpMenu->menuAction()->isEnabled();
            for (PictureButton *b : m_screen->findChildren<PictureButton *>())
                lockedWhileAnswering = lockedWhileAnswering && !b->isEnabled();
        });
        QVERIFY(lockedWhileAnswering);
        QCOMPARE(m_env->messageTexts(), QStringList{QStringLiteral("正解!!")});
        QCOMPARE(scoreAndLevel(), QStringLiteral("10000/2"));
        QVERIFY(m_screen->m_nextButton->isVisible() && !m_screen->m_startButton->isVisible() && m_screen->m_inGame
                && m_screen->focusWidget() == m_screen->m_nextButton);

        m_env->messages.clear();
        QString scoreWhileNaming;
        TestSupport::whenDialogOpens(QStringLiteral("NameDialog"), [&](QWidget *w) {
            scoreWhileNaming = m_screen->m_scoreLabel->text();
            TestSupport::answerDialog(w, QStringLiteral("山田"));
        });
        int sum = 0;
        play(1, [&] { sum = m_screen->m_roundSum; });
        QCOMPARE(m_env->messageTexts(), (QStringList{QStringLiteral("不正解!"), "Ans:" + QString::number(sum)}));
        QCOMPARE(scoreWhileNaming, QStringLiteral("10000"));
        QVERIFY(waitsForStart());

        // The entry is in the ranking RANKING shows (its files: tst_rankingfiles).
        QString shown;
        TestSupport::whenDialogOpens(QStringLiteral("RankingScreen"), [&](QWidget *w) {
            auto *ranking = static_cast<RankingScreen *>(w);
            shown = ranking->m_nameLabels[3]->text() + ranking->m_scoreLabels[3]->text() + ranking->m_nameLabels[4]->text();
            QCOMPARE(ranking->pos(), m_screen->frameGeometry().topLeft());
            ranking->m_closeButton->click();
        });
        QTest::mouseClick(m_screen->m_rankingButton, Qt::LeftButton);
        QCOMPARE(shown, QStringLiteral("山田10000DDDDDDDD"));
    }

    void gameComplete()
    {
        levelUpTo(155);
        TestSupport::whenDialogOpens(QStringLiteral("NameDialog"), [](QWidget *w) { w->close(); }); // a name asked for would change the names file
        play(0);
        QCOMPARE(m_env->messageTexts(), (QStringList{"正解!!", "GAME COMPLETE!!", "SCORE:164000"}));
        QCOMPARE(m_env->readFile(QStringLiteral("DATA/Data1.data")), TestSupport::DefaultNames);
        QVERIFY(waitsForStart());
    }

    void confirmations_data()
    {
        // Without a game each of them leaves at once (tst_assembly).
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("yes");
        for (const char *action : {"EXIT", "exitAction", "close box", "MODE"})
            for (bool yes : {true, false})
                QTest::addRow("%s between levels, %s", action, yes ? "Yes" : "No") << QString::fromLatin1(action) << yes;
    }
    void confirmations()
    {
        QFETCH(QString, action);
        QFETCH(bool, yes);
        play(0);
        m_env->messages.clear();
        m_env->answers = {yes ? Messages::Answer::Yes : Messages::Answer::No};
        if (action == u"exitAction")
            m_screen->m_exitAction->trigger();
        else if (action == u"close box")
            TestSupport::userClose(m_screen);
        else
            QTest::mouseClick(action == u"EXIT" ? m_screen->m_exitButton : m_screen->m_modeButton, Qt::LeftButton);

        QStringList asked;
        for (const Messages::Call &call : m_env->messages)
            asked << call.title + ":" + call.text + (call.buttons == Messages::Buttons::YesNo ? " Yes/No" : "");
        const QString question = action == u"MODE" ? u"モード画面に戻りますか？"_qs : u"終了しますか？"_qs;
        QCOMPARE(asked, QStringList{"確認:ゲーム中です。" + question + " Yes/No"});
        QCOMPARE(ScreenRegistry::open(ChallengeScreen::ScreenNumber) != nullptr, !yes);
        // No: the game goes on between levels; Yes: its sound stops.
        QVERIFY(yes || (scoreAndLevel() == u"10000/2" && m_screen->m_inGame && m_screen->m_nextButton->isVisible()));
        QVERIFY(!yes || m_env->sound.calls.last() == u"stop");
        if (yes && action == u"MODE") {
            m_screen = TestSupport::program().challengeScreen(); // as the next Challenge Mode finds it
            QCOMPARE(scoreAndLevel(), QStringLiteral("0/1"));
        }
    }
};

QTEST_MAIN(TestChallengeScreen)
#include "tst_challengescreen.moc"
