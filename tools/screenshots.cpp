// Renders each of the eight screens of the real program offscreen into PNG
// files, for the README and for checking layouts by eye:
//   QT_QPA_PLATFORM=offscreen ./screenshots OUTPUT-FOLDER [SCALE [PROGRAM-FOLDER]]
//
// The game keeps its files in a scratch program folder, or in PROGRAM-FOLDER
// when given: the test of `make clean` plays there to get every file a
// player's build directory holds.
//
// Nothing is staged: the tool plays the game through its own buttons and
// dialogs (a training round, a challenge game of several levels ending on a
// wrong answer, the ranking, the about screen, the full-screen display) and
// takes each picture while the screen is in that state. Then, with the
// training extras switched on in their dialog, two training rounds, the
// review window and the history window, whose earlier days are the one
// thing written beforehand (writeEarlierHistory). Last the automatic speed:
// its setting, a round's verdict with the pace line, and the pace on the
// history's chart, whose earlier week is a simulated player's on the real
// staircase (writeEarlierPace). Only the challenge
// rounds tick faster than the ladder says, to save time; the score does not
// depend on the tick speed.
#include "AboutDialog.h"
#include "AnswerDialog.h"
#include "ChallengeScreen.h"
#include "ExtrasDialog.h"
#include "FullScreenDisplay.h"
#include "HelpCommands.h"
#include "HistoryFile.h"
#include "HistoryWindow.h"
#include "MaxFontCalibration.h"
#include "Messages.h"
#include "ModeScreen.h"
#include "NameDialog.h"
#include "OwnedMessageBox.h"
#include "PictureButton.h"
#include "Placement.h"
#include "Program.h"
#include "ProgramPaths.h"
#include "RankingScreen.h"
#include "ReviewDialog.h"
#include "RoundTimer.h"
#include "ScreenRegistry.h"
#include "SettingsStore.h"
#include "Staircase.h"
#include "TrainingExtras.h"
#include "TrainingScreen.h"
#include "Twips.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <random>

namespace {

QString outputDir;

void shoot(QWidget *w, const QString &name, QRect area = QRect())
{
    QApplication::processEvents();
    const QPixmap p = w->grab(area.isNull() ? QRect(QPoint(0, 0), w->size()) : area);
    const QString file = QDir(outputDir).filePath(name + QStringLiteral(".png"));
    if (!p.save(file))
        qFatal("cannot write %s", qPrintable(file));
    std::printf("%s\n", qPrintable(file));
    std::fflush(stdout);
}

// Typing into a dialog's text box the way a player does, Enter included.
void type(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
}

void pressEnter(QWidget *w)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(w, &press);
}

// Clicks later, from the event loop: a click that opens a modal dialog
// would otherwise hold up the script until the dialog closes.
void clickSoon(QAbstractButton *button)
{
    QTimer::singleShot(0, button, &QAbstractButton::click);
}

// A screen that is open, or the modal dialog of that kind open now (a
// dialog in its modal loop does not count as open to the registry).
template <class T>
T *openScreen()
{
    if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
        return dialog;
    if constexpr (requires { T::ScreenNumber; })
        return static_cast<T *>(ScreenRegistry::open(T::ScreenNumber));
    else
        return nullptr;
}

template <class T>
bool isShown()
{
    T *screen = openScreen<T>();
    return screen && screen->isVisible();
}

// The script: each step waits until the program is in the state it needs,
// then acts. A polling timer drives it, so it goes on inside the modal
// dialogs' own event loops as well.
struct Step
{
    const char *what;
    std::function<bool()> ready;
    std::function<void()> act;
};

std::deque<Step> script;

void add(const char *what, std::function<bool()> ready, std::function<void()> act)
{
    script.push_back({what, std::move(ready), std::move(act)});
}

void runScript()
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll] {
        // A step's action may open a modal dialog whose loop polls again.
        static bool acting = false;
        if (acting)
            return;
        if (script.empty()) {
            poll->stop();
            QApplication::exit(0);
            return;
        }
        Step step = script.front();
        if (!step.ready())
            return;
        script.pop_front();
        acting = true;
        step.act();
        acting = false;
    });
    poll->start(5);
    QTimer::singleShot(60000, qApp, [] {
        std::fprintf(stderr, "screenshots: stuck at \"%s\"\n", script.empty() ? "end" : script.front().what);
        std::_Exit(1);
    });
}

void trainingRound()
{
    add(
        "open the training screen", [] { return isShown<ModeScreen>(); }, [] { clickSoon(openScreen<ModeScreen>()->m_trainingButton); });
    add(
        "choose and start", [] { return isShown<TrainingScreen>(); },
        [] {
            TrainingScreen *screen = openScreen<TrainingScreen>();
            screen->m_digitsBox->setEditText(QStringLiteral("4"));
            screen->m_termsBox->setEditText(QStringLiteral("5"));
            screen->m_intervalBox->setEditText(QStringLiteral("0.5"));
            clickSoon(screen->m_startButton);
        });
    add(
        "the third number flashes", [] { return openScreen<TrainingScreen>()->m_tickCount == 3; },
        [] { shoot(openScreen<TrainingScreen>(), QStringLiteral("training")); });
    add(
        "answer the sum", [] { return isShown<AnswerDialog>(); },
        [] {
            AnswerDialog *answer = openScreen<AnswerDialog>();
            type(answer->m_answerEdit, QString::number(openScreen<TrainingScreen>()->m_roundSum));
            shoot(answer, QStringLiteral("answer"));
            pressEnter(answer->m_answerEdit);
        });
    add(
        "back to the mode screen", [] { return !openScreen<TrainingScreen>()->m_inGame; },
        [] { clickSoon(openScreen<TrainingScreen>()->m_modeButton); });
}

void challengeGame()
{
    // Six right answers make a score that enters the default ranking.
    constexpr int RightAnswers = 6;
    const auto faster = [] { openScreen<ChallengeScreen>()->m_roundTimer->setInterval(40); };
    add(
        "open the challenge screen", [] { return isShown<ModeScreen>() && !openScreen<TrainingScreen>(); },
        [] { clickSoon(openScreen<ModeScreen>()->m_challengeButton); });
    add(
        "start", [] { return isShown<ChallengeScreen>(); },
        [faster] {
            faster();
            clickSoon(openScreen<ChallengeScreen>()->m_startButton);
        });
    for (int i = 0; i < RightAnswers; ++i) {
        add(
            "answer right", [] { return isShown<AnswerDialog>(); },
            [] {
                AnswerDialog *answer = openScreen<AnswerDialog>();
                type(answer->m_answerEdit, QString::number(openScreen<ChallengeScreen>()->m_roundSum));
                pressEnter(answer->m_answerEdit);
            });
        add(
            "next level", [] { return openScreen<ChallengeScreen>()->m_nextButton->isEnabled() && !isShown<AnswerDialog>(); },
            [faster] {
                faster();
                clickSoon(openScreen<ChallengeScreen>()->m_nextButton);
            });
    }
    add(
        "a number flashes", [] { return !openScreen<ChallengeScreen>()->m_numberLabel->text().isEmpty(); },
        [] { shoot(openScreen<ChallengeScreen>(), QStringLiteral("challenge")); });
    add(
        "answer wrong", [] { return isShown<AnswerDialog>(); },
        [] {
            AnswerDialog *answer = openScreen<AnswerDialog>();
            type(answer->m_answerEdit, QString::number(openScreen<ChallengeScreen>()->m_roundSum + 1));
            pressEnter(answer->m_answerEdit);
        });
    add(
        "give a name", [] { return isShown<NameDialog>(); },
        [] {
            NameDialog *name = openScreen<NameDialog>();
            type(name->m_nameEdit, QStringLiteral("さくら"));
            shoot(name, QStringLiteral("name"));
            pressEnter(name->m_nameEdit);
        });
    add(
        "open the ranking", [] { return !isShown<NameDialog>() && !openScreen<ChallengeScreen>()->m_inGame; },
        [] { clickSoon(openScreen<ChallengeScreen>()->m_rankingButton); });
    add(
        "look at the ranking", [] { return isShown<RankingScreen>(); },
        [] {
            shoot(openScreen<RankingScreen>(), QStringLiteral("ranking"));
            clickSoon(openScreen<RankingScreen>()->m_closeButton);
        });
}

void aboutScreen()
{
    add(
        "open the about screen", [] { return !isShown<RankingScreen>(); }, [] { QTimer::singleShot(0, qApp, &Help::showAbout); });
    add(
        "look at the about screen", [] { return isShown<AboutDialog>(); },
        [] {
            shoot(openScreen<AboutDialog>(), QStringLiteral("about"));
            clickSoon(openScreen<AboutDialog>()->m_closeButton);
        });
}

void fullScreenDisplay()
{
    // A small screen, so that the picture stays small; the display covers
    // the real (offscreen) screen and the picture is cut to the small one.
    static const QSize screen(384, 216);
    add(
        "full-screen display", [] { return !isShown<AboutDialog>(); },
        [] {
            Placement::setScreenSizeForTests(Twips::fromPx(screen.width()), Twips::fromPx(screen.height()));
            const int size = MaxFontCalibration::calibrate();
            FullScreenDisplay *display = FullScreenDisplay::instance();
            display->clearDrawing();
            display->show();
            display->drawCentred(QStringLiteral("4821"), size);
            shoot(display, QStringLiteral("fullscreen"), QRect(QPoint(0, 0), screen));
            display->close();
        });
}

// The modal dialog of that kind open now, or nullptr.
template <class T>
T *modal()
{
    auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

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

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: screenshots OUTPUT-FOLDER [SCALE [PROGRAM-FOLDER]]");
        return 2;
    }
    app.setQuitOnLastWindowClosed(false);
    outputDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outputDir);
    QTemporaryDir programDir;
    ProgramPaths::setProgramDir(argc >= 4 ? QString::fromLocal8Bit(argv[3]) : programDir.path());
    // The first-start messages and the game's messages are all answered OK,
    // but for a verdict with the pace line, which is shown for its picture.
    Messages::setResponder([](const Messages::Call &call) {
        if (call.text.contains(QStringLiteral("次の間隔"))) {
            OwnedMessageBox box(call.title, call.text, Placement::messageOwner());
            box.setStandardButtons(QMessageBox::Ok);
            box.exec();
        }
        return Messages::Answer::Ok;
    });

    Program program;
    ModeScreen *modes = program.start();
    StoredSettings silent = program.settings().values();
    silent.soundOff = true;
    program.settings().set(silent);
    shoot(modes, QStringLiteral("modes"));

    trainingRound();
    challengeGame();
    aboutScreen();
    fullScreenDisplay();
    trainingExtras();
    adaptiveSpeed();
    runScript();
    const int result = app.exec();
    ScreenRegistry::closeAll();
    return result;
}
