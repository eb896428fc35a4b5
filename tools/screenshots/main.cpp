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
#include "ExtrasScenes.h"
#include "FullScreenDisplay.h"
#include "HelpCommands.h"
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
#include "RoundTimer.h"
#include "ScreenshotScript.h"
#include "SettingsStore.h"
#include "TrainingScreen.h"
#include "Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace ScreenshotScript;

namespace {

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
    // A small screen, so that the picture stays small: the display is
    // measured for it and shown at its size.
    static const QSize screen(384, 216);
    add(
        "full-screen display", [] { return !isShown<AboutDialog>(); },
        [] {
            const int size = MaxFontCalibration::calibrate(Twips::fromPx(screen.width()));
            FullScreenDisplay *display = FullScreenDisplay::instance();
            display->clearDrawing();
            display->show();
            // Out of the full-screen state, which holds a window at its
            // screen's size, and cut down to the small screen.
            display->setWindowState(Qt::WindowNoState);
            display->setGeometry(QRect(QPoint(0, 0), screen));
            display->drawCentred(QStringLiteral("4821"), size);
            shoot(display, QStringLiteral("fullscreen"), QRect(QPoint(0, 0), screen));
            display->close();
        });
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
    const QString outputDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outputDir);
    setOutputDir(outputDir);
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
