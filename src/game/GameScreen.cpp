#include "GameScreen.h"

#include "FlashDisplay.h"
#include "FlashRules.h"
#include "Messages.h"
#include "RoundTimer.h"
#include "ProgramPaths.h"
#include "SettingsProcedures.h"
#include "SharedState.h"

#include <QCloseEvent>
#include <QTimer>

GameScreen::GameScreen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips)
    : MainScreen(name, caption, clientWidthTwips, clientHeightTwips)
{
    m_roundTimer = new RoundTimer(QStringLiteral("roundTimer"), this);
    connect(m_roundTimer, &RoundTimer::timeout, this, &GameScreen::tick);
    setSoundSource(nullptr);
}

void GameScreen::setSoundSource(WavePlayerFactory *source)
{
    m_sounds = std::make_unique<SoundEffects>(source, ProgramPaths::programPath(QStringLiteral("SE")),
                                              [] { return !sharedState().SoundOff; });
}

void GameScreen::prepareSounds()
{
    m_sounds->prepare();
}

void GameScreen::playSound(Sound sound)
{
    m_sounds->play(sound);
}

void GameScreen::tick()
{
    if (m_roundStopped)
        return;
    ++m_tickCount;
    const std::int32_t n = FlashRules::drawNumber([this] { return m_random.next(); }, m_digits, m_lastNumber);
    switch (FlashRules::tickKind(m_tickCount, m_terms)) {
    case FlashRules::TickKind::Flash: {
        const std::int32_t shown = numberToFlash(m_tickCount, n);
        playSound(Sound::Clock);
        m_lastNumber = shown;
        m_roundSum += shown;
        FlashDisplay::flash(m_numberLabel, shown);
        numberFlashed();
        break;
    }
    case FlashRules::TickKind::Blank:
        FlashDisplay::blank(m_numberLabel);
        break;
    case FlashRules::TickKind::Final:
        FlashDisplay::closeMaxDisplay();
        m_roundTimer->stop();
        reachAnswer();
        break;
    }
}

std::int32_t GameScreen::numberToFlash(int, std::int32_t drawn)
{
    return drawn;
}

void GameScreen::reachAnswer()
{
    // Checked again when a queued answer runs: the player may have opened
    // the close question once more in between.
    if (m_roundStopped)
        return;
    if (m_closeQuestionOpen)
        m_answerPending = true;
    else
        answerRound();
}

void GameScreen::closePlayerAndExit()
{
    m_sounds->stop();
    Settings::exitApplication();
}

void GameScreen::closeEvent(QCloseEvent *event)
{
    if (!event->spontaneous()) {
        event->accept();
        return;
    }
    if (m_inGame) {
        m_closeQuestionOpen = true;
        const auto answer = Messages::show(QStringLiteral("ゲーム中です。終了しますか？"), QStringLiteral("確認"),
                                            Messages::Buttons::YesNo);
        m_closeQuestionOpen = false;
        if (answer == Messages::Answer::No) {
            event->ignore();
            if (m_answerPending) {
                m_answerPending = false;
                QTimer::singleShot(0, this, &GameScreen::reachAnswer);
            }
            return;
        }
        // Quitting is confirmed: the round ends here, before the save
        // question, so nothing more flashes or sounds and no answer is
        // asked for, judged or entered in the ranking.
        m_roundStopped = true;
        m_answerPending = false;
        m_roundTimer->stop();
        FlashDisplay::closeMaxDisplay();
    }
    closePlayerAndExit();
    event->accept();
}
