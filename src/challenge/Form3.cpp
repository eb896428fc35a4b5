#include "Form3.h"

#include "Artwork.h"
#include "ChallengeScoring.h"
#include "Form2.h"
#include "Form4.h"
#include "Form5.h"
#include "Form6.h"
#include "LevelLadder.h"
#include "MMControl.h"
#include "Module1.h"
#include "PictureButton.h"
#include "RoundTimer.h"
#include "Twips.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

const QString Title = QStringLiteral("Plumeno");
const QString Confirm = QStringLiteral("確認");
const QString ExitQuestion = QStringLiteral("ゲーム中です。終了しますか？");
const QString ModeQuestion = QStringLiteral("ゲーム中です。モード画面に戻りますか？");

qint64 steadyMs()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

QLabel *textLabel(QWidget *parent, const char *objectName, const QString &text, QRect at, qreal points,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(at);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPointSizeF(points);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    label->setPalette(pal);
    return label;
}

QLabel *picture(QWidget *parent, const char *objectName, const QString &art, const QString &words, QRect at)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(at);
    label->setPixmap(Artwork::pixmap(art, 0));
    label->setAccessibleName(words);
    return label;
}

} // namespace

Form3::Form3()
    : GameScreen(QStringLiteral("Form3"), QStringLiteral("Plumeno-挑戦-"), 4680, 3225)
    , m_clock(&steadyMs)
{
    buildControls();
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(int(ChallengeScoring::StepMs));
    Timer2->setTimerType(Qt::PreciseTimer);
    connect(Timer2, &QTimer::timeout, this, &Form3::wearBonus);
}

void Form3::buildControls()
{
    QWidget *c = client();
    Label1 = textLabel(c, "Label1", QString(), Twips::rect(120, 120, 4455, 1575), 80.25, Qt::AlignHCenter);
    Label1->setAutoFillBackground(true);
    Label2 = textLabel(c, "Label2", QStringLiteral("0"), Twips::rect(1560, 1800, 2175, 615), 26.25, Qt::AlignRight);
    Label3 = textLabel(c, "Label3", QStringLiteral("1"), Twips::rect(720, 2520, 975, 615), 26.25, Qt::AlignHCenter);
    Image1 = picture(c, "Image1", QStringLiteral("lbl_score"), QStringLiteral("SCORE:"), Twips::rect(0, 1920, 1515, 420));
    Image2 = picture(c, "Image2", QStringLiteral("lbl_lv"), QStringLiteral("LV."), Twips::rect(0, 2520, 720, 570));
    // The lettering beside the two numbers is a picture; a screen reader
    // hears the number with what it counts.
    Label2->setAccessibleDescription(QStringLiteral("SCORE"));
    Label3->setAccessibleDescription(QStringLiteral("LV."));

    Command1 = new PictureButton(QStringLiteral("Command1"), QStringLiteral("START"), QStringLiteral("btn_hajime"), c);
    Command1->setGeometry(Twips::rect(1800, 2520, 735, 615));
    Command4 = new PictureButton(QStringLiteral("Command4"), QStringLiteral("NEXT"), QStringLiteral("btn_tsugi"), c);
    Command4->setGeometry(Twips::rect(1800, 2520, 735, 615));
    Command4->hide();
    Command5 = new PictureButton(QStringLiteral("Command5"), QStringLiteral("RANKING"), QStringLiteral("btn_seiseki"), c);
    Command5->setGeometry(Twips::rect(2640, 2520, 1095, 615));
    Command3 = new PictureButton(QStringLiteral("Command3"), QStringLiteral("MODE"), QStringLiteral("btn_modoru"), c);
    Command3->setGeometry(Twips::rect(3840, 1800, 735, 615));
    Command2 = new PictureButton(QStringLiteral("Command2"), QStringLiteral("EXIT"), QStringLiteral("btn_owari"), c);
    Command2->setGeometry(Twips::rect(3840, 2520, 735, 615));
    // NEXT keeps the screen's own font.
    QFont buttonFont(QStringLiteral("ＭＳ Ｐゴシック"));
    buttonFont.setPointSize(9);
    buttonFont.setBold(true);
    for (PictureButton *b : {Command1, Command5, Command3, Command2})
        b->setFont(buttonFont);

    setTabOrder(Command1, Command4);
    setTabOrder(Command4, Command5);
    setTabOrder(Command5, Command3);
    setTabOrder(Command3, Command2);
    Command1->setFocus();

    connect(Command1, &QAbstractButton::clicked, this, &Form3::start);
    connect(Command4, &QAbstractButton::clicked, this, &Form3::next);
    connect(Command5, &QAbstractButton::clicked, this, &Form3::showRanking);
    connect(Command3, &QAbstractButton::clicked, this, &Form3::backToModes);
    connect(Command2, &QAbstractButton::clicked, this, &Form3::quit);
}

void Form3::load()
{
    Module1::ApplyColors(objectName());
    syokika();
    SE_Preparation();
}

void Form3::setAnswerClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(&steadyMs);
}

void Form3::syokika()
{
    const LevelLadder::Shape first = LevelLadder::First;
    Score = 0;
    Level = 1;
    Digits = first.digits;
    Terms = first.terms;
    FlashInterval = first.interval;
    RoundSum = 0;
    Module1::State().AnswerValue = 0;
    LastNumber = 0;
    TickCount = 0;
    TimeBonus = LevelLadder::startingBonus(FlashInterval);
    InGame = false;
    m_random.reseedFromClock();
    Timer1->setInterval(LevelLadder::intervalMs(FlashInterval));
    Label2->setText(QString::number(Score));
    Label3->setText(QString::number(Level));
    Command4->hide();
    Command1->show();
}

void Form3::lv_Up()
{
    const auto shape = LevelLadder::next({Digits, Terms, FlashInterval});
    if (!shape) {
        // Level 155 answered: the game is complete and leaves no ranking entry.
        Module1::MsgBox(QStringLiteral("GAME COMPLETE!!"), Title);
        Module1::MsgBox(QStringLiteral("SCORE:") + Label2->text(), Title);
        syokika();
        return;
    }
    Digits = shape->digits;
    Terms = shape->terms;
    FlashInterval = shape->interval;
    TickCount = 0;
    RoundSum = 0;
    LastNumber = 0;
    Module1::State().AnswerValue = 0;
    m_random.reseedFromClock();
    ++Level;
    TimeBonus = LevelLadder::startingBonus(FlashInterval);
    Label3->setText(QString::number(Level));
    Timer1->setInterval(LevelLadder::intervalMs(FlashInterval));
}

void Form3::Control_Lock()
{
    for (QWidget *w : {Command1, Command2, Command3, Command4, Command5})
        w->setEnabled(false);
    setMenusEnabled(false);
}

void Form3::Control_UnLock()
{
    for (QWidget *w : {Command1, Command2, Command3, Command4, Command5})
        w->setEnabled(true);
    setMenusEnabled(true);
    (Command1->isHidden() ? Command4 : Command1)->setFocus();
}

void Form3::start()
{
    InGame = true;
    Timer1->start();
    Control_Lock();
}

void Form3::next()
{
    Timer1->start();
    Control_Lock();
}

void Form3::quit()
{
    if (InGame && Module1::MsgBox(ExitQuestion, Confirm, Module1::MsgButtons::YesNo) == Module1::MsgAnswer::No)
        return;
    closePlayerAndExit();
}

void Form3::exitMenuChosen()
{
    quit();
}

void Form3::backToModes()
{
    if (InGame && Module1::MsgBox(ModeQuestion, Confirm, Module1::MsgButtons::YesNo) == Module1::MsgAnswer::No)
        return;
    Form2 *modeScreen = Form2::instance();
    Module1::PlaceAtActiveForm(modeScreen);
    modeScreen->show();
    MMControl1->Command(QStringLiteral("Close"));
    close();
}

void Form3::showRanking()
{
    Module1::EnsureRankingFiles();
    Form4 *ranking = Form4::instance();
    ranking->fileread();
    Module1::PlaceAtActiveForm(ranking);
    ranking->exec();
}

void Form3::answerRound()
{
    QPointer<Form3> self(this);
    m_bonusAtOpen = TimeBonus;
    m_answerOpenedAt = m_clock();
    Timer2->start();
    Form5 *dialog = Form5::instance();
    Module1::CenterOnActiveForm(dialog);
    dialog->exec();
    if (!self)
        return;
    Timer2->stop();
    // The time up to the closing counts even where its last tick was late.
    wearBonus();

    if (Module1::State().AnswerValue == RoundSum)
        hit();
    else
        miss();
    if (self)
        Control_UnLock();
}

void Form3::wearBonus()
{
    TimeBonus = ChallengeScoring::wornBonus(m_bonusAtOpen, m_clock() - m_answerOpenedAt);
}

void Form3::hit()
{
    SE_Play(QStringLiteral("hit"));
    Module1::MsgBox(QStringLiteral("正解!!"), Title);
    TimeBonus = ChallengeScoring::cappedBonus(TimeBonus);
    Score = ChallengeScoring::scoreAfterHit(Score, Level, TimeBonus);
    Label2->setText(QString::number(Score));
    Command4->show();
    Command1->hide();
    lv_Up();
}

void Form3::miss()
{
    SE_Play(QStringLiteral("miss"));
    Module1::MsgBox(QStringLiteral("不正解!"), Title);
    Module1::MsgBox(QStringLiteral("Ans:") + QString::number(RoundSum), Title);
    QPointer<Form3> self(this);
    Form6 *nameDialog = Form6::instance();
    Module1::CenterOnActiveForm(nameDialog);
    nameDialog->exec();
    if (!self)
        return;
    Form4::instance()->irekae(Score, Module1::State().PlayerName);
    syokika();
}
