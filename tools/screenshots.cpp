// Renders each of the eight screens of the real program offscreen into PNG
// files, for the README and for checking layouts by eye:
//   QT_QPA_PLATFORM=offscreen ./screenshots OUTPUT-FOLDER [SCALE]
//
// Nothing is staged: the tool plays the game through its own buttons and
// dialogs (a training round, a challenge game of several levels ending on a
// wrong answer, the ranking, the about screen, the full-screen display) and
// takes each picture while the screen is in that state. Only the challenge
// rounds tick faster than the ladder says, to save time; the score does not
// depend on the tick speed.
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "Form6.h"
#include "Form7.h"
#include "Form8.h"
#include "Module1.h"
#include "PictureButton.h"
#include "RoundTimer.h"
#include "Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <deque>
#include <functional>

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
T *openForm()
{
    if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
        return dialog;
    return static_cast<T *>(FormRegistry::open(T::FormNumber));
}

template <class T>
bool isShown()
{
    T *form = openForm<T>();
    return form && form->isVisible();
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
    add("open the training screen", [] { return isShown<Form2>(); },
        [] { clickSoon(openForm<Form2>()->Command1); });
    add("choose and start", [] { return isShown<Form1>(); }, [] {
        Form1 *f = openForm<Form1>();
        f->Combo1->setEditText(QStringLiteral("4"));
        f->Combo2->setEditText(QStringLiteral("5"));
        f->Combo3->setEditText(QStringLiteral("0.5"));
        clickSoon(f->Command1);
    });
    add("the third number flashes", [] { return openForm<Form1>()->TickCount == 3; },
        [] { shoot(openForm<Form1>(), QStringLiteral("form1")); });
    add("answer the sum", [] { return isShown<Form5>(); }, [] {
        Form5 *answer = openForm<Form5>();
        type(answer->Text1, QString::number(openForm<Form1>()->RoundSum));
        shoot(answer, QStringLiteral("form5"));
        pressEnter(answer->Text1);
    });
    add("back to the mode screen", [] { return !openForm<Form1>()->InGame; },
        [] { clickSoon(openForm<Form1>()->Command3); });
}

void challengeGame()
{
    // Six right answers make a score that enters the default ranking.
    constexpr int RightAnswers = 6;
    const auto faster = [] { openForm<Form3>()->Timer1->setInterval(40); };
    add("open the challenge screen", [] { return isShown<Form2>() && !openForm<Form1>(); },
        [] { clickSoon(openForm<Form2>()->Command2); });
    add("start", [] { return isShown<Form3>(); }, [faster] {
        faster();
        clickSoon(openForm<Form3>()->Command1);
    });
    for (int i = 0; i < RightAnswers; ++i) {
        add("answer right", [] { return isShown<Form5>(); }, [] {
            Form5 *answer = openForm<Form5>();
            type(answer->Text1, QString::number(openForm<Form3>()->RoundSum));
            pressEnter(answer->Text1);
        });
        add("next level", [] { return openForm<Form3>()->Command4->isEnabled() && !isShown<Form5>(); }, [faster] {
            faster();
            clickSoon(openForm<Form3>()->Command4);
        });
    }
    add("a number flashes", [] { return !openForm<Form3>()->Label1->text().isEmpty(); },
        [] { shoot(openForm<Form3>(), QStringLiteral("form3")); });
    add("answer wrong", [] { return isShown<Form5>(); }, [] {
        Form5 *answer = openForm<Form5>();
        type(answer->Text1, QString::number(openForm<Form3>()->RoundSum + 1));
        pressEnter(answer->Text1);
    });
    add("give a name", [] { return isShown<Form6>(); }, [] {
        Form6 *name = openForm<Form6>();
        type(name->Text1, QStringLiteral("さくら"));
        shoot(name, QStringLiteral("form6"));
        pressEnter(name->Text1);
    });
    add("open the ranking", [] { return !isShown<Form6>() && !openForm<Form3>()->InGame; },
        [] { clickSoon(openForm<Form3>()->Command5); });
    add("look at the ranking", [] { return isShown<Form4>(); }, [] {
        shoot(openForm<Form4>(), QStringLiteral("form4"));
        clickSoon(openForm<Form4>()->Command1);
    });
}

void aboutScreen()
{
    add("open the about screen", [] { return !isShown<Form4>(); },
        [] { QTimer::singleShot(0, qApp, &Module1::ShowAbout); });
    add("look at the about screen", [] { return isShown<Form8>(); }, [] {
        shoot(openForm<Form8>(), QStringLiteral("form8"));
        clickSoon(openForm<Form8>()->Command2);
    });
}

void fullScreenDisplay()
{
    // A small screen, so that the picture stays small; the display covers
    // the real (offscreen) screen and the picture is cut to the small one.
    static const QSize screen(384, 216);
    add("full-screen display", [] { return !isShown<Form8>(); }, [] {
        Module1::SetScreenSizeForTests(Twips::fromPx(screen.width()), Twips::fromPx(screen.height()));
        Module1::CalibrateMaxFontSize();
        Module1::State().MaxDisplayText = QStringLiteral("4821");
        Form7 *display = Form7::instance();
        display->Cls();
        display->show();
        display->catch_();
        shoot(display, QStringLiteral("form7"), QRect(QPoint(0, 0), screen));
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
        qWarning("usage: screenshots OUTPUT-FOLDER [SCALE]");
        return 2;
    }
    app.setQuitOnLastWindowClosed(false);
    outputDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outputDir);
    QTemporaryDir programDir;
    Module1::SetProgramDir(programDir.path());
    Module1::InstallFontSubstitutions();
    // The first-start messages and the game's messages are all answered OK.
    Module1::SetMsgResponder([](const Module1::MsgBoxCall &) { return Module1::MsgAnswer::Ok; });

    Form2 *modes = Form2::instance();
    modes->show();
    Module1::State().SoundOff = true;
    shoot(modes, QStringLiteral("form2"));

    trainingRound();
    challengeGame();
    aboutScreen();
    fullScreenDisplay();
    runScript();
    const int result = app.exec();
    Module1::UnloadAllForms();
    return result;
}
