#pragma once

#include "MainScreen.h"
#include "RandomSource.h"
#include "SoundEffects.h"

#include <cstdint>
#include <memory>

class QLabel;
class WavePlayerFactory;
class RoundTimer;

// What the training and the challenge screen share: the round state, the
// round timer and its ticks, the sound player, and the close box that asks
// while a game is under way. Each screen judges the answer its own way.
class GameScreen : public MainScreen
{
    Q_OBJECT
public:
    GameScreen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips);

    // Where the screen's player comes from; none: no sound. Set before load().
    void setSoundSource(WavePlayerFactory *source);
    void prepareSounds();
    void playSound(Sound sound);

    QLabel *m_numberLabel = nullptr; // the number display, made by each screen
    RoundTimer *m_roundTimer = nullptr;
    std::unique_ptr<SoundEffects> m_sounds;

    // The round state.
    std::int16_t m_digits = 0;
    float m_flashInterval = 0;
    std::int16_t m_terms = 0;
    std::int32_t m_roundSum = 0;
    std::int32_t m_lastNumber = 0;
    std::int16_t m_tickCount = 0;
    bool m_inGame = false;

protected:
    // Asks for the sum and judges it, once the round has flashed its numbers.
    virtual void answerRound() = 0;
    // What flash tick `tick` shows and adds: by default the number just drawn.
    virtual std::int32_t numberToFlash(int tick, std::int32_t drawn);
    // Called once a number is on display; a screen may take it down early.
    virtual void numberFlashed() {}

    // The sound is stopped whenever a game screen is left.
    void closePlayerAndExit();
    void closeEvent(QCloseEvent *event) override;

    RandomSource m_random;

private:
    void tick();
    void reachAnswer();

    // The close question runs a nested event loop in which the round goes
    // on; a round that reaches its answer meanwhile waits for the answer.
    bool m_closeQuestionOpen = false;
    bool m_answerPending = false;
    // Set once quitting during a round is confirmed; the round never resumes.
    bool m_roundStopped = false;
};
