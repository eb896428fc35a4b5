#pragma once

#include "GameScreen.h"
#include "HistoryRecord.h"
#include "SingleScreen.h"
#include "TrainingExtras.h"

#include <QList>
#include <optional>

class GapTimer;

class PictureButton;
class QComboBox;
class QLabel;

// The training screen: free choice of digits, terms and interval.
class TrainingScreen : public GameScreen, public SingleScreen<TrainingScreen>
{
    Q_OBJECT
public:
    static constexpr int ScreenNumber = ScreenRegistry::Training;

    explicit TrainingScreen(SettingsStore &settings);

    // Between rounds: the 間隔 box takes no input while the automatic speed
    // sets the interval, and shows the interval it will use.
    void showIntervalSource();

    QLabel *m_digitsCaption = nullptr, *m_digitsUnit = nullptr, *m_intervalCaption = nullptr;
    QLabel *m_intervalUnit = nullptr, *m_termsCaption = nullptr, *m_termsUnit = nullptr;
    QComboBox *m_digitsBox = nullptr, *m_termsBox = nullptr, *m_intervalBox = nullptr;
    PictureButton *m_startButton = nullptr; // START
    PictureButton *m_exitButton = nullptr; // EXIT
    PictureButton *m_modeButton = nullptr; // MODE

    // The extras in use for the round under way, and its numbers so far.
    TrainingExtras m_extras;
    QList<std::int32_t> m_flashed;
    // The automatic speed's staircase for the round's digits x terms; none
    // while it is off.
    std::optional<Staircase::State> m_staircase;
    GapTimer *m_gapTimer = nullptr;

signals:
    // A judged round while the player keeps a history, for the history
    // (the time is stamped when it is written).
    void roundJudged(const HistoryRecord &round);

protected:
    void answerRound() override;
    QList<QWidget *> roundControls() const override;
    void startFresh() override;
    std::int32_t numberToFlash(int tick, std::int32_t drawn) override;
    void numberFlashed() override;
    // With the automatic speed on, a judged round moves its staircase
    // (a replay never does) and the verdict says the next interval.
    QString takeVerdict(bool right) override;

private:
    void buildControls();
    void start();
    // The extras' part of START: false when the round cannot run as set.
    bool prepareExtras(int intervalMs);
    void runRound(int intervalMs);
    // The interval a new staircase starts from: the 間隔 box's, or 1 s.
    int intervalBoxMs() const;
    // After the judgement; true when a replay has started.
    bool afterJudgement(bool right, std::int32_t answer, qint64 answerMs);

    QList<std::int32_t> m_plan; // numbers worked out before the round; empty: drawn as it goes
    std::optional<qint64> m_gapOnsetNs;
    bool m_replay = false;
};
