// The challenge screen with real widgets and real timers at short intervals.
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "Form7.h"
#include "FormRegistry.h"
#include "PictureButton.h"
#include "RoundTimer.h"
#include "TestSupport.h"
#include "Twips.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

constexpr int FastTickMs = 5;
const QString ExitQuestion = QStringLiteral("ゲーム中です。終了しますか？");
const QString ModeQuestion = QStringLiteral("ゲーム中です。モード画面に戻りますか？");

// Watches for dialogs until the end of the test function.
std::unique_ptr<QObject> testScope;

// Acts on the modal dialog with that object name as soon as it is open.
void whenOpen(const QString &name, const std::function<void(QWidget *)> &act, int tries = 2000)
{
    QTimer::singleShot(5, testScope.get(), [=] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->objectName() == name)
            act(w);
        else if (tries > 0)
            whenOpen(name, act, tries - 1);
    });
}

// Types into the dialog's field the way a player would and presses Enter:
// digits on the keyboard, anything else through the input method.
void answer(QWidget *dialog, const QString &text)
{
    auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("Text1"));
    field->selectAll();
    if (text.toLatin1() == text.toUtf8() && !text.isEmpty()) {
        QTest::keyClicks(field, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(field, &commit);
    }
    QTest::keyClick(field, Qt::Key_Return);
}

// Level n of the ladder as its table states it.
struct Rung
{
    int digits, terms, ms;
};
Rung rung(int n)
{
    if (n <= 5)
        return {2, 2, 1000 - 100 * (n - 1)};
    const int k = n - 6, g = k / 10, s = k % 10;
    return {2 + (g + 1) / 4, 2 + (g + 1) % 4, 1500 - 100 * s};
}

PictureButton *startOrNext(Form3 *f) { return f->Command1->isHidden() ? f->Command4 : f->Command1; }

} // namespace

class Form3Test : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layout_data();
    void layout();
    void afterLoad();
    void ladder_data();
    void ladder();
    void bonusWearsDownUnderTheAnswerDialog();
    void levelTenAfterThreeSeconds();
    void wholeGame();
    void gameComplete();
    void maximisedDisplay();
    void confirmations_data();
    void confirmations();
    void closeQuestionOpenAtTheAnswerTick_data();
    void closeQuestionOpenAtTheAnswerTick();

private:
    Form3 *openScreen();
    void playRound(Form3 *f, bool right);

    std::unique_ptr<TestEnvironment> m_env;
    qint64 m_now = 0; // the answer clock, standing still unless a test moves it
};

void Form3Test::init()
{
    testScope = std::make_unique<QObject>();
    m_env = std::make_unique<TestEnvironment>();
    m_env->writeDefaultFiles();
    Module1::State().StartupDone = true;
    m_now = 0;
}

void Form3Test::cleanup()
{
    testScope.reset();
    m_env.reset();
}

Form3 *Form3Test::openScreen()
{
    Form3 *f = Form3::instance();
    f->move(123, 45);
    f->show();
    f->setAnswerClock([this] { return m_now; });
    f->Timer1->setInterval(FastTickMs);
    return f;
}

void Form3Test::playRound(Form3 *f, bool right)
{
    f->Timer1->setInterval(FastTickMs);
    whenOpen(QStringLiteral("Form5"), [f, right](QWidget *w) { answer(w, QString::number(f->RoundSum + !right)); });
    if (!right)
        whenOpen(QStringLiteral("Form6"), [](QWidget *w) { answer(w, QStringLiteral("Taro")); });
    QTest::mouseClick(startOrNext(f), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(f->Command2->isEnabled(), 10000);
}

void Form3Test::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Label1 number") << "Label1" << QRect(120, 120, 4455, 1575);
    QTest::newRow("Label2 score") << "Label2" << QRect(1560, 1800, 2175, 615);
    QTest::newRow("Label3 level") << "Label3" << QRect(720, 2520, 975, 615);
    QTest::newRow("Image1 SCORE:") << "Image1" << QRect(0, 1920, 1515, 420);
    QTest::newRow("Image2 LV.") << "Image2" << QRect(0, 2520, 720, 570);
    QTest::newRow("Command1 START") << "Command1" << QRect(1800, 2520, 735, 615);
    QTest::newRow("Command4 NEXT, where START is") << "Command4" << QRect(1800, 2520, 735, 615);
    QTest::newRow("Command5 RANKING") << "Command5" << QRect(2640, 2520, 1095, 615);
    QTest::newRow("Command3 MODE") << "Command3" << QRect(3840, 1800, 735, 615);
    QTest::newRow("Command2 EXIT") << "Command2" << QRect(3840, 2520, 735, 615);
}

void Form3Test::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    auto *control = Form3::instance()->client()->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void Form3Test::afterLoad()
{
    Form3 *f = Form3::instance();
    f->show();
    QCOMPARE(f->windowTitle(), QStringLiteral("Plumeno-挑戦-"));
    QCOMPARE(f->client()->size(), Twips::size(4680, 3225));
    QCOMPARE(f->Label2->text(), QStringLiteral("0"));
    QCOMPARE(f->Label3->text(), QStringLiteral("1"));
    QVERIFY(f->Command1->isVisible() && !f->Command4->isVisible());
    QCOMPARE(f->focusWidget(), f->Command1);
    QCOMPARE(f->Timer1->interval(), 1000);
    QCOMPARE(f->Timer2->interval(), 100);
    QVERIFY(!f->Timer1->isActive() && !f->Timer2->isActive());
    QCOMPARE(f->TimeBonus, 11500);
    QVERIFY(!f->InGame);
}

void Form3Test::ladder_data()
{
    QTest::addColumn<int>("level");
    for (int n = 1; n <= 155; ++n) {
        const Rung r = rung(n);
        QTest::addRow("level %d: %d digits, %d terms, %d ms", n, r.digits, r.terms, r.ms) << n;
    }
}

void Form3Test::ladder()
{
    QFETCH(int, level);
    Form3 *f = Form3::instance();
    f->syokika();
    for (int n = 1; n < level; ++n)
        f->lv_Up();
    const Rung r = rung(level);
    QCOMPARE(int(f->Level), level);
    QCOMPARE(f->Label3->text(), QString::number(level));
    QCOMPARE(int(f->Digits), r.digits);
    QCOMPARE(int(f->Terms), r.terms);
    QCOMPARE(f->Timer1->interval(), r.ms);
    QCOMPARE(f->TimeBonus, r.ms + 10500);
    QCOMPARE(m_env->messages.size(), 0);
}

void Form3Test::bonusWearsDownUnderTheAnswerDialog()
{
    Form3 *f = openScreen();
    f->setAnswerClock(nullptr); // the real clock
    QElapsedTimer sinceStart;
    int seen = 0;
    qint64 bound = 0;
    bool ticked = false;
    whenOpen(QStringLiteral("Form5"), [&](QWidget *w) {
        ticked = QTest::qWaitFor([f] { return f->TimeBonus < 11500; }, 5000);
        seen = f->TimeBonus;
        bound = sinceStart.elapsed();
        answer(w, QString::number(f->RoundSum));
    });
    sinceStart.start();
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(f->Command2->isEnabled(), 10000);
    QVERIFY2(ticked, "Timer2 did not tick while the answer dialog was open");
    QCOMPARE(seen % 100, 0);
    // Never more worn than the time that really passed.
    QVERIFY(seen >= 11500 - 100 * (bound / 100));
    QCOMPARE(int(f->Level), 2);
}

void Form3Test::levelTenAfterThreeSeconds()
{
    Form3 *f = openScreen();
    for (int n = 1; n < 10; ++n)
        f->lv_Up();
    bool worn = false;
    whenOpen(QStringLiteral("Form5"), [&](QWidget *w) {
        m_now += 3000;
        worn = QTest::qWaitFor([f] { return f->TimeBonus == 8600; }, 5000);
        answer(w, QString::number(f->RoundSum));
    });
    playRound(f, true);
    QVERIFY(worn);
    QCOMPARE(f->Score, 16340);
    QCOMPARE(f->Label2->text(), QStringLiteral("16340"));
    QCOMPARE(int(f->Level), 11);
}

void Form3Test::wholeGame()
{
    m_env->writeFile(QStringLiteral("DATA/Data2.data"), "150000\r\n130000\r\n100000\r\n7000\r\n5000\r\n");
    Form3 *f = openScreen();

    bool lockedWhileAnswering = false, bonusTicking = false;
    whenOpen(QStringLiteral("Form5"), [&](QWidget *w) {
        lockedWhileAnswering = !f->Command1->isEnabled() && !f->Command2->isEnabled() && !f->Command3->isEnabled()
                               && !f->Command4->isEnabled() && !f->Command5->isEnabled()
                               && !f->IDMCustom->menuAction()->isEnabled() && !f->IDMHelp->menuAction()->isEnabled();
        bonusTicking = f->Timer2->isActive() && !f->Timer1->isActive();
        answer(w, QString::number(f->RoundSum));
    });
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QVERIFY(f->InGame && !f->Command1->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(f->Command2->isEnabled(), 10000);
    QVERIFY(lockedWhileAnswering && bonusTicking);
    QCOMPARE(m_env->messageTexts(), QStringList{QStringLiteral("正解!!")});
    QCOMPARE(f->Label2->text(), QStringLiteral("10000"));
    QCOMPARE(f->Label3->text(), QStringLiteral("2"));
    QVERIFY(f->Command4->isVisible() && !f->Command1->isVisible());
    QCOMPARE(f->focusWidget(), f->Command4);
    QVERIFY(f->InGame && !f->Timer2->isActive());
    const QString se = m_env->path(QStringLiteral("SE/"));
    QCOMPARE(m_env->soundCommands.filter(QStringLiteral("Open ")),
             (QStringList{"Open " + se + "clock.wav", "Open " + se + "clock.wav", "Open " + se + "hit.wav"}));

    int sum = 0;
    QString scoreWhileNaming;
    whenOpen(QStringLiteral("Form5"), [&](QWidget *w) {
        sum = f->RoundSum;
        answer(w, QString::number(sum + 1));
    });
    whenOpen(QStringLiteral("Form6"), [&](QWidget *w) {
        scoreWhileNaming = f->Label2->text();
        answer(w, QStringLiteral("山田"));
    });
    m_env->messages.clear();
    f->Timer1->setInterval(FastTickMs);
    QTest::mouseClick(f->Command4, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(f->Command2->isEnabled(), 10000);
    QCOMPARE(m_env->messageTexts(), (QStringList{QStringLiteral("不正解!"), "Ans:" + QString::number(sum)}));
    QCOMPARE(scoreWhileNaming, QStringLiteral("10000"));
    QCOMPARE(m_env->readFile(QStringLiteral("DATA/Data1.data")),
             QByteArray("AAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\n\x8e\x52\x93\x63\r\nDDDDDDDD\r\n\r\n"));
    QCOMPARE(m_env->readFile(QStringLiteral("DATA/Data2.data")),
             QByteArray("150000\r\n130000\r\n100000\r\n10000\r\n7000\r\n\r\n"));
    QCOMPARE(Module1::State().PlayerName, QStringLiteral("山田"));
    QCOMPARE(f->Label2->text(), QStringLiteral("0"));
    QCOMPARE(f->Label3->text(), QStringLiteral("1"));
    QVERIFY(f->Command1->isVisible() && !f->Command4->isVisible() && !f->InGame);
    QCOMPARE(f->focusWidget(), f->Command1);

    // RANKING shows the new entry, at the challenge screen's place.
    QStringList row3;
    QPoint shownAt;
    whenOpen(QStringLiteral("Form4"), [&](QWidget *w) {
        auto *ranking = static_cast<Form4 *>(w);
        row3 = QStringList{ranking->Label1[3]->text(), ranking->Label2[3]->text()};
        shownAt = ranking->pos();
        ranking->Command1->click();
    });
    QTest::mouseClick(f->Command5, Qt::LeftButton);
    QCOMPARE(row3, (QStringList{QStringLiteral("山田"), QStringLiteral("10000")}));
    QCOMPARE(shownAt, f->frameGeometry().topLeft());
    QCOMPARE(int(f->Level), 1);
}

void Form3Test::gameComplete()
{
    Form3 *f = openScreen();
    for (int n = 1; n < 155; ++n)
        f->lv_Up();
    const QByteArray names = m_env->readFile(QStringLiteral("DATA/Data1.data"));
    const QByteArray scores = m_env->readFile(QStringLiteral("DATA/Data2.data"));
    bool askedForName = false;
    whenOpen(QStringLiteral("Form6"), [&](QWidget *w) { askedForName = true; w->close(); }, 200);
    playRound(f, true);
    QCOMPARE(m_env->messageTexts(),
             (QStringList{QStringLiteral("正解!!"), QStringLiteral("GAME COMPLETE!!"), QStringLiteral("SCORE:164000")}));
    QCOMPARE(m_env->messages[2].title, QStringLiteral("Plumeno"));
    QVERIFY(!askedForName);
    QCOMPARE(m_env->readFile(QStringLiteral("DATA/Data1.data")), names);
    QCOMPARE(m_env->readFile(QStringLiteral("DATA/Data2.data")), scores);
    QCOMPARE(int(f->Level), 1);
    QCOMPARE(f->Score, 0);
    QCOMPARE(f->Label2->text(), QStringLiteral("0"));
    QVERIFY(f->Command1->isVisible() && !f->Command4->isVisible() && !f->InGame);
    QCOMPARE(f->focusWidget(), f->Command1);
}

void Form3Test::maximisedDisplay()
{
    Module1::State().MaxDisplayOn = true;
    Form3 *f = openScreen();
    f->Timer1->setInterval(100);
    bool goneWhenAsked = false;
    whenOpen(QStringLiteral("Form5"), [&](QWidget *w) {
        goneWhenAsked = !Form7::existing();
        answer(w, QString::number(f->RoundSum));
    });
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(Form7::existing() && Form7::existing()->isVisible(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(f->Command2->isEnabled(), 10000);
    QVERIFY(goneWhenAsked);
    QCOMPARE(f->Label1->text(), QString());
    QCOMPARE(int(f->Level), 2);
}

void Form3Test::confirmations_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("inGame");
    QTest::addColumn<bool>("yes");
    for (const char *action : {"EXIT", "IDMEnd", "close box", "MODE"}) {
        QTest::addRow("%s, no game", action) << QString::fromLatin1(action) << false << true;
        QTest::addRow("%s between levels, Yes", action) << QString::fromLatin1(action) << true << true;
        QTest::addRow("%s between levels, No", action) << QString::fromLatin1(action) << true << false;
    }
}

void Form3Test::confirmations()
{
    QFETCH(QString, action);
    QFETCH(bool, inGame);
    QFETCH(bool, yes);
    Form3 *f = openScreen();
    if (inGame)
        playRound(f, true);
    m_env->messages.clear();
    m_env->answers = {yes ? Module1::MsgAnswer::Yes : Module1::MsgAnswer::No};
    const QPoint corner = f->frameGeometry().topLeft();

    if (action == u"EXIT")
        QTest::mouseClick(f->Command2, Qt::LeftButton);
    else if (action == u"IDMEnd")
        f->IDMEnd->trigger();
    else if (action == u"close box")
        TestSupport::userClose(f);
    else
        QTest::mouseClick(f->Command3, Qt::LeftButton);

    if (inGame) {
        QCOMPARE(m_env->messages.size(), 1);
        QCOMPARE(m_env->messages[0].text, action == u"MODE" ? ModeQuestion : ExitQuestion);
        QCOMPARE(m_env->messages[0].title, QStringLiteral("確認"));
        QCOMPARE(m_env->messages[0].buttons, Module1::MsgButtons::YesNo);
    } else {
        QCOMPARE(m_env->messages.size(), 0);
    }
    const bool leaves = !inGame || yes;
    QCOMPARE(FormRegistry::open(Form3::FormNumber) != nullptr, !leaves);
    if (!leaves) {
        QVERIFY(f->InGame && f->Command4->isVisible());
        QCOMPARE(int(f->Level), 2);
        return;
    }
    QCOMPARE(m_env->soundCommands.last(), QStringLiteral("Close"));
    if (action == u"MODE") {
        QVERIFY(Form2::existing() && Form2::existing()->isVisible());
        QCOMPARE(Form2::existing()->pos(), corner);
        Form3 *again = Form3::instance();
        QCOMPARE(int(again->Level), 1);
        QCOMPARE(again->Score, 0);
    } else {
        QCOMPARE(Form2::existing(), nullptr);
    }
}

void Form3Test::closeQuestionOpenAtTheAnswerTick_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No: the answer is asked for after the question") << false;
    QTest::newRow("Yes: the program ends without asking") << true;
}

void Form3Test::closeQuestionOpenAtTheAnswerTick()
{
    QFETCH(bool, yes);
    Form3 *f = openScreen();
    m_env->answers = {yes ? Module1::MsgAnswer::Yes : Module1::MsgAnswer::No};
    bool questionOpen = false, roundReachedItsEnd = false, askedDuringQuestion = false;
    m_env->onMessage = [&](const Module1::MsgBoxCall &call) {
        if (call.text != ExitQuestion)
            return;
        // The question stays open while the round runs on to its answer tick.
        questionOpen = true;
        roundReachedItsEnd = QTest::qWaitFor([f] { return !f->Timer1->isActive(); }, 5000);
        QTest::qWait(20);
        questionOpen = false;
    };
    whenOpen(QStringLiteral("Form5"), [&, f](QWidget *w) {
        askedDuringQuestion = askedDuringQuestion || questionOpen;
        answer(w, QString::number(f->RoundSum));
    });
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QCOMPARE(TestSupport::userClose(f), yes);
    QVERIFY(roundReachedItsEnd);
    QVERIFY(!askedDuringQuestion);
    if (yes) {
        QCOMPARE(FormRegistry::open(Form3::FormNumber), nullptr);
        QTest::qWait(20);
        QVERIFY(!Form5::existing());
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(f->Command2->isEnabled(), 10000);
    QCOMPARE(m_env->messageTexts(), (QStringList{ExitQuestion, QStringLiteral("正解!!")}));
    QCOMPARE(int(f->Level), 2);
    QCOMPARE(f->focusWidget(), f->Command4);
}

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
