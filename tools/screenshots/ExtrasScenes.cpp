// The screenshot tool's scenes of the training extras: the extras' dialog,
// a review, the history window, and the automatic speed with its pace line
// and its chart.
#include "ExtrasScenes.h"

#include "AnswerDialog.h"
#include "ChallengeScreen.h"
#include "ExtrasDialog.h"
#include "FullScreenDisplay.h"
#include "HistoryFile.h"
#include "HistoryWindow.h"
#include "ModeScreen.h"
#include "PictureButton.h"
#include "ReviewDialog.h"
#include "ScreenshotScript.h"
#include "Staircase.h"
#include "TrainingExtras.h"
#include "TrainingScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <cmath>
#include <random>

using namespace ScreenshotScript;

namespace {

// The history's earlier days are written beforehand, as a week of practice
// would have left them (it cannot be played in a minute); today's rounds
// are then played through the training screen and added by the program.
void writeEarlierHistory()
{
    const QDate today = QDate::currentDate();
    for (int day = 7; day >= 1; --day) {
        for (int round = 0; round < 12; ++round) {
            HistoryRecord r;
            r.date = today.addDays(-day);
            r.time = QTime(19, 0).addSecs(round * 70);
            r.digits = 2;
            r.terms = 5;
            r.intervalMs = 200;
            r.flashPercent = 80;
            r.minusPercent = 30;
            // Better by the day: more right answers, quicker answers.
            r.result = (round * 7 + day) % 12 < 13 - day ? HistoryRecord::Result::Right : HistoryRecord::Result::Wrong;
            r.answerMs = 2600 + 260 * day + (round * 137) % 400;
            HistoryFile::append(HistoryFile::path(), r);
        }
    }
}

// Answered after a player's thinking time, which the history keeps.
bool thought()
{
    static QElapsedTimer thinking;
    if (!isShown<AnswerDialog>()) {
        thinking.invalidate();
        return false;
    }
    if (!thinking.isValid())
        thinking.start();
    return thinking.elapsed() >= 1800;
}

// A week of the automatic speed at 2 digits x 5 numbers, played by a
// simulated player on the real staircase, who gets quicker by the day; the
// staircase is kept where the week left it.
void writeEarlierPace()
{
    const QDate today = QDate::currentDate();
    std::mt19937 random(7);
    std::uniform_real_distribution<double> uniform(0, 1);
    Staircase::State s = Staircase::start(1000);
    for (int day = 7; day >= 1; --day) {
        const double thresholdMs = 380 + 40 * day;
        for (int round = 0; round < 15; ++round) {
            HistoryRecord r;
            r.date = today.addDays(-day);
            r.time = QTime(20, 0).addSecs(round * 60);
            r.digits = 2;
            r.terms = 5;
            r.intervalMs = Staircase::roundMs(s);
            r.adaptive = true;
            const bool right = uniform(random) < 1 / (1 + (1 / 0.707 - 1) * std::pow(thresholdMs / r.intervalMs, 6));
            r.result = right ? HistoryRecord::Result::Right : HistoryRecord::Result::Wrong;
            r.answerMs = 2400 + 150 * day + (round * 137) % 400;
            HistoryFile::append(HistoryFile::path(), r);
            s = Staircase::next(s, right, Staircase::Rule::TwoDown);
        }
    }
    TrainingExtras::saveStaircase(TrainingExtras::Adaptive::About70, 2, 5, s);
}

} // namespace

void adaptiveSpeed()
{
    add(
        "open the extras for the automatic speed", [] { return !modal<ExtrasDialog>() && !openScreen<TrainingScreen>()->m_inGame; },
        [] {
            writeEarlierPace();
            QTimer::singleShot(0, openScreen<TrainingScreen>()->m_trainingExtrasAction, &QAction::trigger);
        });
    add(
        "switch the automatic speed on", [] { return modal<ExtrasDialog>() != nullptr; },
        [] {
            ExtrasDialog *d = modal<ExtrasDialog>();
            d->m_flashPercentBox->setValue(100);
            d->m_minusPercentBox->setValue(0);
            d->m_reviewBox->setCurrentIndex(0);
            d->m_adaptiveBox->setCurrentIndex(1);
            shoot(d, QStringLiteral("adaptive"));
            clickSoon(d->m_okButton);
        });
    add(
        "start a round at the player's pace", [] { return !modal<ExtrasDialog>(); },
        [] { clickSoon(openScreen<TrainingScreen>()->m_startButton); });
    add("answer it right", thought, [] {
        AnswerDialog *answer = openScreen<AnswerDialog>();
        type(answer->m_answerEdit, QString::number(openScreen<TrainingScreen>()->m_roundSum));
        pressEnter(answer->m_answerEdit);
    });
    add(
        "look at the pace line", [] { return modal<QMessageBox>() != nullptr; },
        [] {
            shoot(modal<QMessageBox>(), QStringLiteral("pace"));
            clickSoon(modal<QMessageBox>()->button(QMessageBox::Ok));
        });
    add(
        "open the extras for the history", [] { return !modal<QMessageBox>() && !openScreen<TrainingScreen>()->m_inGame; },
        [] { QTimer::singleShot(0, openScreen<TrainingScreen>()->m_trainingExtrasAction, &QAction::trigger); });
    add(
        "open the history of the pace", [] { return modal<ExtrasDialog>() != nullptr; },
        [] { clickSoon(modal<ExtrasDialog>()->m_historyButton); });
    add(
        "look at the pace per day", [] { return modal<HistoryWindow>() != nullptr; },
        [] {
            HistoryWindow *window = modal<HistoryWindow>();
            window->m_settingBox->setCurrentIndex(window->m_settingBox->findText(QStringLiteral("速さの自動調整"), Qt::MatchContains));
            shoot(window, QStringLiteral("pace-history"));
            clickSoon(window->findChild<QPushButton *>(QStringLiteral("closeButton")));
        });
    add(
        "close the extras at last", [] { return modal<ExtrasDialog>() != nullptr && !modal<HistoryWindow>(); },
        [] { clickSoon(modal<ExtrasDialog>()->m_cancelButton); });
}

void trainingExtras()
{
    add(
        "back to the mode screen", [] { return isShown<ChallengeScreen>() && !FullScreenDisplay::existing(); },
        [] { clickSoon(openScreen<ChallengeScreen>()->m_modeButton); });
    add(
        "open the training screen for the extras", [] { return isShown<ModeScreen>(); },
        [] {
            writeEarlierHistory();
            clickSoon(openScreen<ModeScreen>()->m_trainingButton);
        });
    add(
        "open 練習の詳細設定", [] { return isShown<TrainingScreen>(); },
        [] { QTimer::singleShot(0, openScreen<TrainingScreen>()->m_trainingExtrasAction, &QAction::trigger); });
    add(
        "set the extras", [] { return modal<ExtrasDialog>() != nullptr; },
        [] {
            ExtrasDialog *d = modal<ExtrasDialog>();
            d->m_flashPercentBox->setValue(80);
            d->m_minusPercentBox->setValue(30);
            d->m_reviewBox->setCurrentIndex(1);
            d->m_historyCheck->setChecked(true);
            shoot(d, QStringLiteral("extras"));
            clickSoon(d->m_okButton);
        });
    add(
        "start a round with the extras", [] { return !modal<ExtrasDialog>(); },
        [] {
            TrainingScreen *screen = openScreen<TrainingScreen>();
            screen->m_digitsBox->setEditText(QStringLiteral("2"));
            screen->m_termsBox->setEditText(QStringLiteral("5"));
            screen->m_intervalBox->setEditText(QStringLiteral("0.2"));
            clickSoon(screen->m_startButton);
        });
    add("answer it right", thought, [] {
        AnswerDialog *answer = openScreen<AnswerDialog>();
        type(answer->m_answerEdit, QString::number(openScreen<TrainingScreen>()->m_roundSum));
        pressEnter(answer->m_answerEdit);
    });
    add(
        "start another", [] { return !openScreen<TrainingScreen>()->m_inGame; },
        [] { clickSoon(openScreen<TrainingScreen>()->m_startButton); });
    add("answer it wrong", thought, [] {
        AnswerDialog *answer = openScreen<AnswerDialog>();
        type(answer->m_answerEdit, QString::number(openScreen<TrainingScreen>()->m_roundSum + 10));
        pressEnter(answer->m_answerEdit);
    });
    add(
        "look at the review", [] { return modal<ReviewDialog>() != nullptr; },
        [] {
            shoot(modal<ReviewDialog>(), QStringLiteral("review"));
            clickSoon(modal<ReviewDialog>()->m_closeButton);
        });
    add(
        "open the extras again", [] { return !modal<ReviewDialog>() && !openScreen<TrainingScreen>()->m_inGame; },
        [] { QTimer::singleShot(0, openScreen<TrainingScreen>()->m_trainingExtrasAction, &QAction::trigger); });
    add(
        "open the history", [] { return modal<ExtrasDialog>() != nullptr; }, [] { clickSoon(modal<ExtrasDialog>()->m_historyButton); });
    add(
        "look at the history", [] { return modal<HistoryWindow>() != nullptr; },
        [] {
            shoot(modal<HistoryWindow>(), QStringLiteral("history"));
            clickSoon(modal<HistoryWindow>()->findChild<QPushButton *>(QStringLiteral("closeButton")));
        });
    add(
        "close the extras", [] { return modal<ExtrasDialog>() != nullptr && !modal<HistoryWindow>(); },
        [] { clickSoon(modal<ExtrasDialog>()->m_cancelButton); });
}
