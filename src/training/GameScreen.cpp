#include "GameScreen.h"

#include "FlashDisplay.h"
#include "FlashRules.h"
#include "MMControl.h"
#include "Module1.h"
#include "RoundTimer.h"
#include "SoundEffects.h"

#include <QCloseEvent>
#include <QTimer>

GameScreen::GameScreen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips)
    : MainScreen(name, caption, clientWidthTwips, clientHeightTwips)
{
    Timer1 = new RoundTimer(QStringLiteral("Timer1"), this);
    connect(Timer1, &RoundTimer::timeout, this, &GameScreen::tick);
    MMControl1 = new MMControl(this);
}

void GameScreen::SE_Preparation()
{
    SoundEffects::prepare(MMControl1);
}

void GameScreen::SE_Play(const QString &name)
{
    SoundEffects::play(MMControl1, name);
}

void GameScreen::tick()
{
    ++TickCount;
    const std::int32_t n = FlashRules::drawNumber([this] { return m_random.next(); }, Digits, LastNumber);
    switch (FlashRules::tickKind(TickCount, Terms)) {
    case FlashRules::TickKind::Flash:
        SE_Play(QStringLiteral("clock"));
        LastNumber = n;
        RoundSum += n;
        FlashDisplay::flash(Label1, n);
        break;
    case FlashRules::TickKind::Blank:
        FlashDisplay::blank(Label1);
        break;
    case FlashRules::TickKind::Final:
        FlashDisplay::closeMaxDisplay();
        Timer1->stop();
        reachAnswer();
        break;
    }
}

void GameScreen::reachAnswer()
{
    // Checked again when a queued answer runs: the player may have opened
    // the close question once more in between.
    if (m_closeQuestionOpen)
        m_answerPending = true;
    else
        answerRound();
}

void GameScreen::closePlayerAndExit()
{
    MMControl1->Command(QStringLiteral("Close"));
    Module1::ExitApplication();
}

void GameScreen::closeEvent(QCloseEvent *event)
{
    if (!event->spontaneous()) {
        event->accept();
        return;
    }
    if (InGame) {
        m_closeQuestionOpen = true;
        const auto answer = Module1::MsgBox(QStringLiteral("ゲーム中です。終了しますか？"), QStringLiteral("確認"),
                                            Module1::MsgButtons::YesNo);
        m_closeQuestionOpen = false;
        if (answer == Module1::MsgAnswer::No) {
            event->ignore();
            if (m_answerPending) {
                m_answerPending = false;
                QTimer::singleShot(0, this, &GameScreen::reachAnswer);
            }
            return;
        }
    }
    closePlayerAndExit();
    event->accept();
}
