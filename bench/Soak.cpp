#include "Soak.h"

#include "BenchHarness.h"
#include "ChallengeScreen.h"
#include "PictureButton.h"
#include "Program.h"
#include "RankingFiles.h"
#include "RoundTimer.h"
#include "TrainingScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>
#include <QTimer>
#include <functional>
#include <malloc.h>

namespace {

struct Process
{
    long rssKb = 0;
    long heapKb = 0; // allocated and not freed: growth here is a leak, not the allocator's slack
    QSet<QString> fds; // "number -> target"
    int topLevelWidgets = 0;
};

Process now()
{
    Process p;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                p.rssKb = line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    // The listing itself holds one descriptor while it reads; it is gone by
    // the time the targets are read, so it drops out as "no target".
    const QDir fdDir(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : fdDir.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = QFileInfo(fdDir.filePath(fd)).symLinkTarget();
        if (!target.isEmpty())
            p.fds.insert(fd + QStringLiteral(" -> ") + target);
    }
    p.heapKb = long(mallinfo2().uordblks / 1024);
    p.topLevelWidgets = int(QApplication::topLevelWidgets().size());
    return p;
}

// Plays rounds one after another: a round starts once the screen is
// idle again (its buttons unlocked, no dialog open), until `rounds` are done.
void playRounds(int rounds, const std::function<bool()> &idle, const std::function<void()> &startRound)
{
    QEventLoop loop;
    int started = 0;
    QTimer driver;
    driver.setInterval(1);
    QObject::connect(&driver, &QTimer::timeout, &loop, [&] {
        if (QApplication::activeModalWidget() || !idle())
            return;
        if (started == rounds) {
            loop.quit();
            return;
        }
        ++started;
        startRound();
    });
    driver.start();
    loop.exec();
}

// One screen played for a while: a warm-up, then the measured rounds on the
// same screen, so the figures show what rounds leave behind and not what
// opening a screen costs (Qt's style keeps pixmaps for every new palette in
// its pixmap cache, which is bounded).
struct Phase
{
    Process start, end;
    int right = 0;
    int wrong = 0;
    double seconds = 0;
    QString ranking; // the challenge's ranking files at the end, row by row
};

void measure(Phase &phase, int warmUp, int rounds, const std::function<bool()> &idle, const std::function<void()> &startRound)
{
    playRounds(warmUp, idle, startRound);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    phase.start = now();
    phase.right = phase.wrong = 0;
    QElapsedTimer clock;
    clock.start();
    playRounds(rounds, idle, startRound);
    phase.seconds = clock.elapsed() / 1000.0;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    phase.end = now();
}

void countVerdicts(BenchHarness &harness, Phase &phase)
{
    harness.onMessage = [&phase](const QString &text) {
        if (text == u"正解!!")
            ++phase.right;
        else if (text == u"不正解!")
            ++phase.wrong;
    };
}

Phase playTraining(int warmUp, int rounds)
{
    BenchHarness harness;
    Phase phase;
    TrainingScreen *screen = harness.program().openTrainingScreen();
    screen->m_digitsBox->setEditText(QStringLiteral("2"));
    screen->m_termsBox->setEditText(QStringLiteral("3"));
    screen->m_intervalBox->setEditText(QStringLiteral("0.001"));
    harness.answer = [&](const QString &) { return QString::number(screen->m_roundSum); };
    countVerdicts(harness, phase);
    measure(
        phase, warmUp, rounds, [&] { return screen->m_exitButton->isEnabled() && !screen->m_roundTimer->isActive(); },
        [&] { screen->m_startButton->click(); });
    screen->close();
    return phase;
}

// Climbs by right answers; every game ends on a wrong answer after a number
// of levels that varies from game to game, and a name goes to the ranking.
Phase playChallenge(int warmUp, int levels)
{
    BenchHarness harness;
    Phase phase;
    ChallengeScreen *screen = harness.program().openChallengeScreen();
    int games = 0, levelInGame = 0;
    harness.answer = [&](const QString &dialog) {
        if (dialog == u"NameDialog")
            return QStringLiteral("名前%1").arg(games % 100);
        ++levelInGame;
        const bool wrong = levelInGame >= 3 + (games * 7) % 25;
        if (wrong) {
            levelInGame = 0;
            ++games;
        }
        return QString::number(screen->m_roundSum + (wrong ? 1 : 0));
    };
    countVerdicts(harness, phase);
    measure(
        phase, warmUp, levels, [&] { return screen->m_exitButton->isEnabled() && !screen->m_roundTimer->isActive(); },
        [&] {
            // resetGame and levelUp set the level's interval; the soak runs every level at 1 ms.
            screen->m_roundTimer->setInterval(1);
            (screen->m_startButton->isHidden() ? screen->m_nextButton : screen->m_startButton)->click();
        });
    screen->close();
    const auto read = [](const QString &path) {
        const auto reading = RankingFiles::readFile(path);
        return reading ? reading->rows : QStringList();
    };
    const QStringList names = read(RankingFiles::namesPath());
    const QStringList scores = read(RankingFiles::scoresPath());
    for (int i = 0; i < RankingFiles::Rows; ++i)
        phase.ranking += QStringLiteral("%1%2 %3").arg(i ? QStringLiteral(", ") : QString(), names.value(i), scores.value(i));
    return phase;
}

void printProcess(QTextStream &out, const char *when, const Process &p)
{
    out << QStringLiteral("    %1: resident %2 kB, heap in use %3 kB, %4 open file descriptors, %5 top-level widgets\n")
               .arg(QLatin1String(when))
               .arg(p.rssKb)
               .arg(p.heapKb)
               .arg(p.fds.size())
               .arg(p.topLevelWidgets);
}

void printPhase(QTextStream &out, const Phase &phase)
{
    printProcess(out, "start", phase.start);
    printProcess(out, "end  ", phase.end);
    out << QStringLiteral("    growth: resident %1 kB (goal: under 1024 kB), heap in use %2 kB\n")
               .arg(phase.end.rssKb - phase.start.rssKb)
               .arg(phase.end.heapKb - phase.start.heapKb);
    out << QStringLiteral("    file descriptors: %1 at start, %2 at end\n").arg(phase.start.fds.size()).arg(phase.end.fds.size());
    for (const QString &fd : phase.end.fds - phase.start.fds)
        out << "      opened and still open: " << fd << "\n";
    for (const QString &fd : phase.start.fds - phase.end.fds)
        out << "      closed since start: " << fd << "\n";
    out.flush();
}

} // namespace

void runSoak(int trainingRounds, int challengeLevels, QTextStream &out)
{
    constexpr int WarmUp = 100;
    out << QStringLiteral("\nSoak at a 1 ms interval, answered automatically, each screen warmed up with %1 rounds first\n").arg(WarmUp);
    const Process first = now();
    printProcess(out, "before", first);
    out.flush();

    const Phase training = playTraining(WarmUp, trainingRounds);
    out << QStringLiteral("  training, %1 rounds: %2 right, %3 wrong in %4 s\n")
               .arg(trainingRounds)
               .arg(training.right)
               .arg(training.wrong)
               .arg(training.seconds, 0, 'f', 1);
    printPhase(out, training);

    const Phase challenge = playChallenge(WarmUp, challengeLevels);
    out << QStringLiteral("  challenge, %1 levels: %2 right, %3 games ended on a wrong answer and a name, in %4 s\n")
               .arg(challengeLevels)
               .arg(challenge.right)
               .arg(challenge.wrong)
               .arg(challenge.seconds, 0, 'f', 1);
    out << "    ranking at the end: " << challenge.ranking << "\n";
    printPhase(out, challenge);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const Process last = now();
    printProcess(out, "both screens closed", last);
    out << QStringLiteral(
               "  whole run, the first screen's start-up included: resident %1 kB more, %2 file descriptors open against %3 before\n")
               .arg(last.rssKb - first.rssKb)
               .arg(last.fds.size())
               .arg(first.fds.size());
    out.flush();
}
