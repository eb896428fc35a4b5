#pragma once

#include "MainScreen.h"
#include "RandomSource.h"
#include "SoundEffects.h"

#include <QList>
#include <cstdint>
#include <memory>
#include <optional>

class QLabel;
class RoundTimer;
class SettingsStore;
class WavePlayerFactory;
struct StoredSettings;

// What the training and the challenge screen share: the round state, the
// round timer and its ticks, the sound player, the answer and its verdict,
// locking the controls during a round, MODE, and the exit questions.
class GameScreen : public MainScreen
{
    Q_OBJECT
public:
    GameScreen(const QString &name, const QString &caption, int clientWidthTwips, int clientHeightTwips, SettingsStore &settings);

    // Once the screen is built: its first round and its sounds.
    void load();

    // Where the screen's player comes from; none: no sound. Set before load().
    void setSoundSource(WavePlayerFactory *source);
    void playSound(Sound sound);

    // Every control but the number label, off while a round runs; the menus
    // go with them. Locking starts a game if none is under way.
    void lockControls();
    void unlockControls();

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
    // A game is under way: from its first round until it ends. A training
    // game is one round; a challenge game runs until a wrong answer or the
    // last level.
    bool m_inGame = false;

signals:
    // MODE: the mode selection screen should open; this screen then closes.
    void modeRequested();

protected:
    // Asks for the sum and judges it, once the round has flashed its numbers.
    virtual void answerRound() = 0;
    // What flash tick `tick` shows and adds: by default the number just drawn.
    virtual std::int32_t numberToFlash(int tick, std::int32_t drawn);
    // Called once a number is on display; a screen may take it down early.
    virtual void numberFlashed() {}
    // The controls a round locks, and the one that has the focus after it.
    virtual QList<QWidget *> roundControls() const = 0;
    virtual void focusAfterRound() {}
    // The state the screen opens with.
    virtual void startFresh() = 0;
    // The question MODE asks during a game; none by default (the training
    // screen locks MODE for the one round its game lasts).
    virtual QString modeQuestion() const { return QString(); }

    // The numbers of a round start again: a new seed, nothing added yet.
    void resetRound();
    // The answer typed in the answer dialog; closed without one, it is 0.
    // The screen may be gone when this returns.
    std::int32_t askAnswer();
    // The verdict on an answer, with its sound and messages; true when right.
    bool judge(std::int32_t answer);
    // Called once with each verdict, before its messages are shown: a screen
    // that learns from the verdict (the automatic speed) does so here and
    // returns its line to go under the last message. None by default, and
    // then the messages are the designed ones.
    virtual QString takeVerdict(bool right)
    {
        Q_UNUSED(right);
        return QString();
    }

    // MODE and EXIT (the button and the menu item) ask first during a game.
    void backToModes();
    void quit();
    void exitMenuChosen() override;
    // The sound is stopped whenever a game screen is left.
    void closePlayerAndExit();
    void closeEvent(QCloseEvent *event) override;

    SettingsStore &m_settings;
    RandomSource m_random;

private:
    void tick();
    void reachAnswer();
    void prepareSounds();
    // The number label in the chosen colours, the menu's check marks.
    void showSettings(const StoredSettings &values);
    bool confirmed(const QString &question);

    // The close question runs a nested event loop in which the round goes
    // on; a round that reaches its answer meanwhile waits for the answer.
    bool m_closeQuestionOpen = false;
    bool m_answerPending = false;
    // Set once quitting during a round is confirmed; the round never resumes.
    bool m_roundStopped = false;
};
