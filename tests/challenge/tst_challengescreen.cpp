// The challenge screen with real widgets and real timers at short intervals.
#include "ChallengeScreen.h"
#include "Messages.h"
#include "ModeScreen.h"
#include "PictureButton.h"
#include "RankingScreen.h"
#include "RoundTimer.h"
#include "ScreenRegistry.h"
#include "Program.h"
#include "TestSupport.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

const QString ExitQuestion = QStringLiteral("ゲーム中です。終了しますか？");
const QString ModeQuestion = QStringLiteral("ゲーム中です。モード画面に戻りますか？");

} // namespace

class TestChallengeScreen : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ladder_data();
    void ladder();
    void bonusWearsDownUnderTheAnswerDialog();
    void rankingRecreatesMissingFiles();
    void wholeGame();
    void gameComplete();
    void confirmations_data();
    void confirmations();
    void closeQuestionOpenAtTheAnswerTick_data();
    void closeQuestionOpenAtTheAnswerTick();

private:
    ChallengeScreen *openScreen();
    void play(ChallengeScreen *screen, int wrongBy, const std::function<void()> &whileAnswering = {});

    std::unique_ptr<TestEnvironment> m_env;
    qint64 m_now = 0; // the answer clock stands still unless a test moves it
};

void TestChallengeScreen::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_env->writeDefaultFiles();
    m_now = 0;
}

void TestChallengeScreen::cleanup()
{
    m_env.reset();
}

ChallengeScreen *TestChallengeScreen::openScreen()
{
    ChallengeScreen *screen = TestSupport::program().challengeScreen();
    screen->move(123, 45);
    screen->show();
    screen->setAnswerClock([this] { return m_now; });
    return screen;
}

// One round from START or NEXT to its judgement, answering the sum + wrongBy.
void TestChallengeScreen::play(ChallengeScreen *screen, int wrongBy, const std::function<void()> &whileAnswering)
{
    screen->m_roundTimer->setInterval(5);
    TestSupport::whenDialogOpens(QStringLiteral("AnswerDialog"), [=](QWidget *w) {
        if (whileAnswering)
            whileAnswering();
        TestSupport::answerDialog(w, QString::number(screen->m_roundSum + wrongBy));
    });
    QTest::mouseClick(screen->m_startButton->isHidden() ? screen->m_nextButton : screen->m_startButton, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(screen->m_exitButton->isEnabled(), 10000);
}

void TestChallengeScreen::ladder_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("terms");
    QTest::addColumn<int>("ms");
    // The table's rule: five levels of 2 + 2 from 1000 ms, then groups of ten
    // from 1500 down to 600 ms.
    for (int n = 1; n <= 155; ++n) {
        const int k = n - 6, g = k / 10;
        const int digits = n <= 5 ? 2 : 2 + (g + 1) / 4;
        const int terms = n <= 5 ? 2 : 2 + (g + 1) % 4;
        const int ms = n <= 5 ? 1100 - 100 * n : 1500 - 100 * (k % 10);
        QTest::addRow("level %d: %d digits, %d terms, %d ms", n, digits, terms, ms) << n << digits << terms << ms;
    }
}

void TestChallengeScreen::ladder()
{
    QFETCH(int, level);
    QFETCH(int, digits);
    QFETCH(int, terms);
    QFETCH(int, ms);
    ChallengeScreen *screen = TestSupport::program().challengeScreen();
    screen->resetGame();
    for (int n = 1; n < level; ++n)
        screen->levelUp();
    QCOMPARE(screen->m_levelLabel->text(), QString::number(level));
    QCOMPARE(int(screen->m_digits), digits);
    QCOMPARE(int(screen->m_terms), terms);
    QCOMPARE(screen->m_roundTimer->interval(), ms);
    QCOMPARE(screen->m_timeBonus, ms + 10500);
    QCOMPARE(screen->m_scoreLabel->text(), QStringLiteral("0"));
    QVERIFY(!screen->m_inGame && !screen->m_startButton->isHidden() && screen->m_nextButton->isHidden());
    QCOMPARE(m_env->messages.size(), 0);
}

void TestChallengeScreen::bonusWearsDownUnderTheAnswerDialog()
{
    ChallengeScreen *screen = openScreen();
    for (int n = 1; n < 10; ++n)
        screen->levelUp();
    bool worn = false;
    // Level 10 (1100 ms, a bonus of 11600): after 3.0 s m_bonusTimer's ticks
    // under the modal dialog wear it to 8600; answered 1.0 s later, before
    // the next tick, the closing itself takes it to 7600.
    play(screen, 0, [&] {
        m_now += 3000;
        worn = QTest::qWaitFor([screen] { return screen->m_timeBonus == 8600; }, 5000);
        m_now += 1000;
    });
    QVERIFY(worn);
    QCOMPARE(screen->m_scoreLabel->text(), QStringLiteral("14440"));
    QCOMPARE(screen->m_levelLabel->text(), QStringLiteral("11"));
}

void TestChallengeScreen::rankingRecreatesMissingFiles()
{
    QFile::remove(m_env->path(QStringLiteral("DATA/Data1.data")));
    QFile::remove(m_env->path(QStringLiteral("DATA/Data2.data")));
    ChallengeScreen *screen = openScreen();
    QStringList messagesWhenShown;
    QByteArray filesWhenShown;
    TestSupport::whenDialogOpens(QStringLiteral("RankingScreen"), [&](QWidget *w) {
        messagesWhenShown = m_env->messageTexts();
        filesWhenShown = m_env->readFile(QStringLiteral("DATA/Data1.data")) + m_env->readFile(QStringLiteral("DATA/Data2.data"));
        w->close();
    });
    QTest::mouseClick(screen->m_rankingButton, Qt::LeftButton);
    QCOMPARE(messagesWhenShown, QStringList{QStringLiteral("ランキングファイルが確認できません。自動生成します。")});
    QCOMPARE(filesWhenShown, TestSupport::DefaultNames + TestSupport::DefaultScores);
}

void TestChallengeScreen::wholeGame()
{
    m_env->writeFile(QStringLiteral("DATA/Data2.data"), "150000\r\n130000\r\n100000\r\n7000\r\n5000\r\n");
    ChallengeScreen *screen = openScreen();
    QList<QWidget *> enabledWhileAnswering;
    play(screen, 0, [&] {
        for (PictureButton *b : screen->findChildren<PictureButton *>())
            if (b->isEnabled())
                enabledWhileAnswering << b;
        QVERIFY(!screen->m_settingsMenu->menuAction()->isEnabled() && !screen->m_helpMenu->menuAction()->isEnabled());
    });
    QCOMPARE(enabledWhileAnswering, QList<QWidget *>());
    QCOMPARE(m_env->messageTexts(), QStringList{QStringLiteral("正解!!")});
    QCOMPARE(screen->m_scoreLabel->text(), QStringLiteral("10000"));
    QVERIFY(screen->m_nextButton->isVisible() && !screen->m_startButton->isVisible() && screen->m_inGame);
    QCOMPARE(screen->focusWidget(), screen->m_nextButton);
    const QString se = QStringLiteral("Open ") + m_env->path(QStringLiteral("SE/"));
    QCOMPARE(m_env->soundCommands.filter(QStringLiteral("Open ")),
             (QStringList{se + "clock.wav", se + "clock.wav", se + "hit.wav"}));

    m_env->messages.clear();
    QString scoreWhileNaming;
    TestSupport::whenDialogOpens(QStringLiteral("NameDialog"), [&](QWidget *w) {
        scoreWhileNaming = screen->m_scoreLabel->text();
        TestSupport::answerDialog(w, QStringLiteral("山田"));
    });
    int sum = 0;
    play(screen, 1, [&] { sum = screen->m_roundSum; });
    QCOMPARE(m_env->messageTexts(), (QStringList{QStringLiteral("不正解!"), "Ans:" + QString::number(sum)}));
    QCOMPARE(scoreWhileNaming, QStringLiteral("10000"));
    QCOMPARE(screen->m_scoreLabel->text() + screen->m_levelLabel->text(), QStringLiteral("01"));
    QVERIFY(screen->m_startButton->isVisible() && !screen->m_nextButton->isVisible() && !screen->m_inGame);
    QCOMPARE(screen->focusWidget(), screen->m_startButton);

    QStringList shown;
    TestSupport::whenDialogOpens(QStringLiteral("RankingScreen"), [&](QWidget *w) {
        auto *ranking = static_cast<RankingScreen *>(w);
        shown << ranking->m_nameLabels[3]->text() << ranking->m_scoreLabels[3]->text();
        QCOMPARE(ranking->pos(), screen->frameGeometry().topLeft());
        ranking->m_closeButton->click();
    });
    QTest::mouseClick(screen->m_rankingButton, Qt::LeftButton);
    QCOMPARE(shown, (QStringList{QStringLiteral("山田"), QStringLiteral("10000")}));
}

void TestChallengeScreen::gameComplete()
{
    ChallengeScreen *screen = openScreen();
    for (int n = 1; n < 155; ++n)
        screen->levelUp();
    const QByteArray names = m_env->readFile(QStringLiteral("DATA/Data1.data"));
    bool askedForName = false;
    TestSupport::whenDialogOpens(QStringLiteral("NameDialog"), [&](QWidget *w) { askedForName = true; w->close(); });
    play(screen, 0);
    QCOMPARE(m_env->messageTexts(),
             (QStringList{QStringLiteral("正解!!"), QStringLiteral("GAME COMPLETE!!"), QStringLiteral("SCORE:164000")}));
    QVERIFY(!askedForName);
    QCOMPARE(m_env->readFile(QStringLiteral("DATA/Data1.data")), names);
    QCOMPARE(screen->m_scoreLabel->text() + screen->m_levelLabel->text(), QStringLiteral("01"));
    QVERIFY(screen->m_startButton->isVisible() && !screen->m_nextButton->isVisible() && !screen->m_inGame);
    QCOMPARE(screen->focusWidget(), screen->m_startButton);
}

void TestChallengeScreen::confirmations_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("inGame");
    QTest::addColumn<bool>("yes");
    for (const char *action : {"EXIT", "exitAction", "close box", "MODE"}) {
        QTest::addRow("%s, no game", action) << QString::fromLatin1(action) << false << true;
        QTest::addRow("%s between levels, Yes", action) << QString::fromLatin1(action) << true << true;
        QTest::addRow("%s between levels, No", action) << QString::fromLatin1(action) << true << false;
    }
}

void TestChallengeScreen::confirmations()
{
    QFETCH(QString, action);
    QFETCH(bool, inGame);
    QFETCH(bool, yes);
    ChallengeScreen *screen = openScreen();
    if (inGame)
        play(screen, 0);
    m_env->messages.clear();
    m_env->answers = {yes ? Messages::Answer::Yes : Messages::Answer::No};
    const QPoint corner = screen->frameGeometry().topLeft();
    if (action == u"exitAction")
        screen->m_exitAction->trigger();
    else if (action == u"close box")
        TestSupport::userClose(screen);
    else
        QTest::mouseClick(action == u"EXIT" ? screen->m_exitButton : screen->m_modeButton, Qt::LeftButton);

    QCOMPARE(m_env->messages.size(), inGame ? 1 : 0);
    if (inGame) {
        QCOMPARE(m_env->messages[0].text, action == u"MODE" ? ModeQuestion : ExitQuestion);
        QCOMPARE(m_env->messages[0].title, QStringLiteral("確認"));
        QCOMPARE(m_env->messages[0].buttons, Messages::Buttons::YesNo);
    }
    const bool leaves = !inGame || yes;
    QCOMPARE(ScreenRegistry::open(ChallengeScreen::ScreenNumber) != nullptr, !leaves);
    if (!leaves) {
        QVERIFY(screen->m_inGame && screen->m_nextButton->isVisible());
        QCOMPARE(screen->m_levelLabel->text(), QStringLiteral("2"));
        return;
    }
    QCOMPARE(m_env->soundCommands.last(), QStringLiteral("Close"));
    QCOMPARE(ModeScreen::existing() != nullptr, action == u"MODE");
    if (action == u"MODE") {
        QCOMPARE(ModeScreen::existing()->pos(), corner);
        QCOMPARE(TestSupport::program().challengeScreen()->m_scoreLabel->text() + TestSupport::program().challengeScreen()->m_levelLabel->text(), QStringLiteral("01"));
    }
}

void TestChallengeScreen::closeQuestionOpenAtTheAnswerTick_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No: the answer is asked for after the question") << false;
    QTest::newRow("Yes: the program ends without asking") << true;
}

void TestChallengeScreen::closeQuestionOpenAtTheAnswerTick()
{
    QFETCH(bool, yes);
    ChallengeScreen *screen = openScreen();
    m_env->answers = {yes ? Messages::Answer::Yes : Messages::Answer::No};
    bool questionOpen = false, roundReachedItsEnd = false, askedDuringQuestion = false;
    m_env->onMessage = [&](const Messages::Call &call) {
        if (call.text != ExitQuestion)
            return;
        // The question stays open while the round runs on to its answer tick.
        questionOpen = true;
        roundReachedItsEnd = QTest::qWaitFor([screen] { return !screen->m_roundTimer->isActive(); }, 5000);
        QTest::qWait(20);
        questionOpen = false;
    };
    screen->m_roundTimer->setInterval(5);
    TestSupport::whenDialogOpens(QStringLiteral("AnswerDialog"), [&, screen](QWidget *w) {
        askedDuringQuestion = askedDuringQuestion || questionOpen;
        TestSupport::answerDialog(w, QString::number(screen->m_roundSum));
    });
    QTest::mouseClick(screen->m_startButton, Qt::LeftButton);
    QCOMPARE(TestSupport::userClose(screen), yes);
    QVERIFY(roundReachedItsEnd && !askedDuringQuestion);
    if (yes) {
        QCOMPARE(ScreenRegistry::open(ChallengeScreen::ScreenNumber), nullptr);
        QTest::qWait(20);
        QVERIFY(!TestSupport::openDialog());
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(screen->m_exitButton->isEnabled(), 10000);
    QCOMPARE(m_env->messageTexts(), (QStringList{ExitQuestion, QStringLiteral("正解!!")}));
    QCOMPARE(screen->focusWidget(), screen->m_nextButton);
}

QTEST_MAIN(TestChallengeScreen)
#include "tst_challengescreen.moc"
