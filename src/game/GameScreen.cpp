#include "GameScreen.h"

#include "AnswerDialog.h"
#include "ColourRef.h"
#include "FlashDisplay.h"
#include "FlashRules.h"
#include "Messages.h"
#include "ProgramPaths.h"
#include "RoundTimer.h"
#include "SettingsStore.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace {

const QString Title = QStringLiteral("Plumeno");
const QString ExitQuestion = QStringLiteral("ゲーム中です。終了しますか？");

} // namespace

GameScreen::GameScreen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips, SettingsStore &settings)
    : MainScreen(name, caption, clientWidthTwips, clientHeightTwips)
    , m_settings(settings)
{
    m_roundTimer = new RoundTimer(QStringLiteral("roundTimer"), this);
    connect(m_roundTimer, &RoundTimer::timeout, this, &GameScreen::tick);
    setSoundSource(nullptr);
    connect(&m_settings, &SettingsStore::changed, this, &GameScreen::showSettings);
}

void GameScreen::load()
{
    showSettings(m_settings.values());
    startFresh();
    prepareSounds();
}

void GameScreen::showSettings(const StoredSettings &values)
{
    QPalette pal = m_numberLabel->palette();
    pal.setColor(QPalette::WindowText, ColourRef::toQColor(values.foreColour));
    pal.setColor(QPalette::Window, ColourRef::toQColor(values.backColour));
    m_numberLabel->setPalette(pal);
    m_numberLabel->setAutoFillBackground(true);
    setMenuChecks(values.fullScreenDisplay, values.soundOff);
}

void GameScreen::setSoundSource(WavePlayerFactory *source)
{
    m_sounds = std::make_unique<SoundEffects>(source, ProgramPaths::programPath(QStringLiteral("SE")),
                                              [this] { return !m_settings.values().soundOff; });
}

void GameScreen::prepareSounds()
{
    m_sounds->prepare();
}

void GameScreen::playSound(Sound sound)
{
    m_sounds->play(sound);
}

void GameScreen::lockControls()
{
    for (QWidget *w : roundControls())
        w->setEnabled(false);
    setMenusEnabled(false);
    m_inGame = true;
}

void GameScreen::unlockControls()
{
    for (QWidget *w : roundControls())
        w->setEnabled(true);
    setMenusEnabled(true);
    focusAfterRound();
}

void GameScreen::resetRound()
{
    m_random.reseedFromClock();
    m_roundSum = 0;
    m_lastNumber = 0;
    m_tickCount = 0;
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
        FlashDisplay::flash(m_numberLabel, shown, m_settings.values());
        numberFlashed();
        break;
    }
    case FlashRules::TickKind::Blank:
        FlashDisplay::blank(m_numberLabel, m_settings.values());
        break;
    case FlashRules::TickKind::Final:
        FlashDisplay::closeFullScreenDisplay();
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

std::int32_t GameScreen::askAnswer()
{
    // Closed with its close box, the dialog leaves the answer the round
    // started with.
    return AnswerDialog::ask(this).value_or(0);
}

bool GameScreen::judge(std::int32_t answer)
{
    const bool right = answer == m_roundSum;
    const QString note = takeVerdict(right);
    const QString underneath = note.isEmpty() ? QString() : QLatin1Char('\n') + note;
    if (right) {
        playSound(Sound::Hit);
        Messages::show(QStringLiteral("正解!!") + underneath, Title);
    } else {
        playSound(Sound::Miss);
        Messages::show(QStringLiteral("不正解!"), Title);
        Messages::show(QStringLiteral("Ans:") + QString::number(m_roundSum) + underneath, Title);
    }
    return right;
}

bool GameScreen::confirmed(const QString &question)
{
    return Messages::show(question, QStringLiteral("確認"), Messages::Buttons::YesNo) == Messages::Answer::Yes;
}

void GameScreen::backToModes()
{
    if (const QString question = modeQuestion(); m_inGame && !question.isEmpty() && !confirmed(question))
        return;
    emit modeRequested();
    m_sounds->stop();
    close();
}

void GameScreen::quit()
{
    if (m_inGame && !confirmed(ExitQuestion))
        return;
    closePlayerAndExit();
}

void GameScreen::exitMenuChosen()
{
    quit();
}

void GameScreen::closePlayerAndExit()
{
    m_sounds->stop();
    emit exitRequested();
}

void GameScreen::closeEvent(QCloseEvent *event)
{
    if (!event->spontaneous()) {
        event->accept();
        return;
    }
    if (m_inGame) {
        m_closeQuestionOpen = true;
        const bool quitting = confirmed(ExitQuestion);
        m_closeQuestionOpen = false;
        if (!quitting) {
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
        FlashDisplay::closeFullScreenDisplay();
    }
    closePlayerAndExit();
    event->accept();
}
