// The challenge screen with real widgets and real timers at short intervals.
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "FormRegistry.h"
#include "PictureButton.h"
#include "RoundTimer.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QString ExitQuestion = QStringLiteral("ゲーム中です。終了しますか？");
const QString ModeQuestion = QStringLiteral("ゲーム中です。モード画面に戻りますか？");
std::unique_ptr<QObject> scope; // dialog watches end with their test function

// Runs `act` on the modal dialog with that object name once it is open.
void whenOpen(const QString &name, const std::function<void(QWidget *)> &act, int tries = 2000)
{
    QTimer::singleShot(5, scope.get(), [=] {
        QWidget *w = QApplication::activeModalWidget();
        if (w && w->objectName() == name)
            act(w);
        else if (tries > 0)
            whenOpen(name, act, tries - 1);
    });
}

void answer(QWidget *dialog, const QString &text)
{
    auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("Text1"));
    field->selectAll();
    field->insert(text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

class Form3Test : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ladder_data();
    void ladder();
    void bonusWearsDownUnderTheAnswerDialog();
    void wholeGame();
    void gameComplete();
    void confirmations_data();
    void confirmations();
    void closeQuestionOpenAtTheAnswerTick_data();
    void closeQuestionOpenAtTheAnswerTick();

private:
    Form3 *openScreen();
    void play(Form3 *f, int wrongBy, const std::function<void()> &whileAnswering = {});

    std::unique_ptr<TestEnvironment> m_env;
    qint64 m_now = 0; // the answer clock stands still unless a test moves it
};

void Form3Test::init()
{
    scope = std::make_unique<QObject>();
    m_env = std::make_unique<TestEnvironment>();
    m_env->writeDefaultFiles();
    Module1::State().StartupDone = true;
    m_now = 0;
}

void Form3Test::cleanup()
{
    scope.reset();
    m_env.reset();
}

Form3 *Form3Test::openScreen()
{
    Form3 *f = Form3::instance();
    f->move(123, 45);
    f->show();
    f->setAnswerClock([this] { return m_now; });
    return f;
}

// One round from START or NEXT to its judgement, answering the sum + wrongBy.
void Form3Test::play(Form3 *f, int wrongBy, const std::function<void()> &whileAnswering)
{
    f->Timer1->setInterval(5);
    whenOpen(QStringLiteral("Form5"), [=](QWidget *w) {
        if (whileAnswering)
            whileAnswering();
        answer(w, QString::number(f->RoundSum + wrongBy));
    });
    QTest::mouseClick(f->Command1->isHidden() ? f->Command4 : f->Command1, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(f->Command2->isEnabled(), 10000);
}

void Form3Test::ladder_data()
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

void Form3Test::ladder()
{
    QFETCH(int, level);
    QFETCH(int, digits);
    QFETCH(int, terms);
    QFETCH(int, ms);
    Form3 *f = Form3::instance();
    f->syokika();
    for (int n = 1; n < level; ++n)
        f->lv_Up();
    QCOMPARE(f->Label3->text(), QString::number(level));
    QCOMPARE(int(f->Digits), digits);
    QCOMPARE(int(f->Terms), terms);
    QCOMPARE(f->Timer1->interval(), ms);
    QCOMPARE(f->TimeBonus, ms + 10500);
    QCOMPARE(f->Label2->text(), QStringLiteral("0"));
    QVERIFY(!f->InGame && !f->Command1->isHidden() && f->Command4->isHidden());
    QCOMPARE(m_env->messages.size(), 0);
}

void Form3Test::bonusWearsDownUnderTheAnswerDialog()
{
    Form3 *f = openScreen();
    for (int n = 1; n < 10; ++n)
        f->lv_Up();
    bool worn = false;
    // Level 10 (1100 ms) answered after 3.0 s: the bonus is 11600 - 3000, and
    // it must get there by Timer2's ticks while the modal dialog is open.
    play(f, 0, [&] {
        m_now += 3000;
        worn = QTest::qWaitFor([f] { return f->TimeBonus == 8600; }, 5000);
    });
    QVERIFY(worn);
    QCOMPARE(f->Label2->text(), QStringLiteral("16340"));
    QCOMPARE(f->Label3->text(), QStringLiteral("11"));
}

void Form3Test::wholeGame()
{
    m_env->writeFile(QStringLiteral("DATA/Data2.data"), "150000\r\n130000\r\n100000\r\n7000\r\n5000\r\n");
    Form3 *f = openScreen();
    QList<QWidget *> enabledWhileAnswering;
    play(f, 0, [&] {
        for (PictureButton *b : f->findChildren<PictureButton *>())
            if (b->isEnabled())
                enabledWhileAnswering << b;
        QVERIFY(!f->IDMCustom->menuAction()->isEnabled() && !f->IDMHelp->menuAction()->isEnabled());
    });
    QCOMPARE(enabledWhileAnswering, QList<QWidget *>());
    QCOMPARE(m_env->messageTexts(), QStringList{QStringLiteral("正解!!")});
    QCOMPARE(f->Label2->text(), QStringLiteral("10000"));
    QVERIFY(f->Command4->isVisible() && !f->Command1->isVisible() && f->InGame);
    QCOMPARE(f->focusWidget(), f->Command4);
    const QString se = QStringLiteral("Open ") + m_env->path(QStringLiteral("SE/"));
    QCOMPARE(m_env->soundCommands.filter(QStringLiteral("Open ")),
             (QStringList{se + "clock.wav", se + "clock.wav", se + "hit.wav"}));

    m_env->messages.clear();
    QString scoreWhileNaming;
    whenOpen(QStringLiteral("Form6"), [&](QWidget *w) {
        scoreWhileNaming = f->Label2->text();
        answer(w, QStringLiteral("山田"));
    });
    int sum = 0;
    play(f, 1, [&] { sum = f->RoundSum; });
    QCOMPARE(m_env->messageTexts(), (QStringList{QStringLiteral("不正解!"), "Ans:" + QString::number(sum)}));
    QCOMPARE(scoreWhileNaming, QStringLiteral("10000"));
    QCOMPARE(m_env->readFile(QStringLiteral("DATA/Data1.data")),
             QByteArray("AAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\n\x8e\x52\x93\x63\r\nDDDDDDDD\r\n\r\n"));
    QCOMPARE(m_env->readFile(QStringLiteral("DATA/Data2.data")),
             QByteArray("150000\r\n130000\r\n100000\r\n10000\r\n7000\r\n\r\n"));
    QCOMPARE(f->Label2->text() + f->Label3->text(), QStringLiteral("01"));
    QVERIFY(f->Command1->isVisible() && !f->Command4->isVisible() && !f->InGame);
    QCOMPARE(f->focusWidget(), f->Command1);

    QStringList shown;
    whenOpen(QStringLiteral("Form4"), [&](QWidget *w) {
        auto *ranking = static_cast<Form4 *>(w);
        shown << ranking->Label1[3]->text() << ranking->Label2[3]->text();
        QCOMPARE(ranking->pos(), f->frameGeometry().topLeft());
        ranking->Command1->click();
    });
    QTest::mouseClick(f->Command5, Qt::LeftButton);
    QCOMPARE(shown, (QStringList{QStringLiteral("山田"), QStringLiteral("10000")}));
}

void Form3Test::gameComplete()
{
    Form3 *f = openScreen();
    for (int n = 1; n < 155; ++n)
        f->lv_Up();
    const QByteArray names = m_env->readFile(QStringLiteral("DATA/Data1.data"));
    bool askedForName = false;
    whenOpen(QStringLiteral("Form6"), [&](QWidget *w) { askedForName = true; w->close(); });
    play(f, 0);
    QCOMPARE(m_env->messageTexts(),
             (QStringList{QStringLiteral("正解!!"), QStringLiteral("GAME COMPLETE!!"), QStringLiteral("SCORE:164000")}));
    QVERIFY(!askedForName);
    QCOMPARE(m_env->readFile(QStringLiteral("DATA/Data1.data")), names);
    QCOMPARE(f->Label2->text() + f->Label3->text(), QStringLiteral("01"));
    QVERIFY(f->Command1->isVisible() && !f->Command4->isVisible() && !f->InGame);
    QCOMPARE(f->focusWidget(), f->Command1);
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
        play(f, 0);
    m_env->messages.clear();
    m_env->answers = {yes ? Module1::MsgAnswer::Yes : Module1::MsgAnswer::No};
    const QPoint corner = f->frameGeometry().topLeft();
    if (action == u"IDMEnd")
        f->IDMEnd->trigger();
    else if (action == u"close box")
        TestSupport::userClose(f);
    else
        QTest::mouseClick(action == u"EXIT" ? f->Command2 : f->Command3, Qt::LeftButton);

    QCOMPARE(m_env->messages.size(), inGame ? 1 : 0);
    if (inGame) {
        QCOMPARE(m_env->messages[0].text, action == u"MODE" ? ModeQuestion : ExitQuestion);
        QCOMPARE(m_env->messages[0].title, QStringLiteral("確認"));
        QCOMPARE(m_env->messages[0].buttons, Module1::MsgButtons::YesNo);
    }
    const bool leaves = !inGame || yes;
    QCOMPARE(FormRegistry::open(Form3::FormNumber) != nullptr, !leaves);
    if (!leaves) {
        QVERIFY(f->InGame && f->Command4->isVisible());
        QCOMPARE(f->Label3->text(), QStringLiteral("2"));
        return;
    }
    QCOMPARE(m_env->soundCommands.last(), QStringLiteral("Close"));
    QCOMPARE(Form2::existing() != nullptr, action == u"MODE");
    if (action == u"MODE") {
        QCOMPARE(Form2::existing()->pos(), corner);
        QCOMPARE(Form3::instance()->Label2->text() + Form3::instance()->Label3->text(), QStringLiteral("01"));
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
    f->Timer1->setInterval(5);
    whenOpen(QStringLiteral("Form5"), [&, f](QWidget *w) {
        askedDuringQuestion = askedDuringQuestion || questionOpen;
        answer(w, QString::number(f->RoundSum));
    });
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QCOMPARE(TestSupport::userClose(f), yes);
    QVERIFY(roundReachedItsEnd && !askedDuringQuestion);
    if (yes) {
        QCOMPARE(FormRegistry::open(Form3::FormNumber), nullptr);
        QTest::qWait(20);
        QVERIFY(!Form5::existing());
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(f->Command2->isEnabled(), 10000);
    QCOMPARE(m_env->messageTexts(), (QStringList{ExitQuestion, QStringLiteral("正解!!")}));
    QCOMPARE(f->focusWidget(), f->Command4);
}

QTEST_MAIN(Form3Test)
#include "tst_form3.moc"
