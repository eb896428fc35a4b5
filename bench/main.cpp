// Plumeno's benchmarks. They print figures and never fail on a slow machine.
//   plumeno_bench [--quick] [--only timing|bonus|startup|click|soak|extras|staircase]
#include "BenchHarness.h"
#include "BonusFairness.h"
#include "ClickLatency.h"
#include "ExtrasBench.h"
#include "FlashTiming.h"
#include "ProgramPaths.h"
#include "Soak.h"
#include "StaircaseBench.h"
#include "StartupMemory.h"
#include "Stats.h"

#include <QApplication>
#include <QDir>
#include <QSysInfo>
#include <QTextStream>
#include <QThread>
#include <memory>

namespace {

QTextStream out(stdout);

void printFlashTimes(const QString &what, const FlashTimes &game, const FlashTimes *plain)
{
    out << "  " << what << "\n";
    out << "    onset, number set      game   : " << Stats::of(game.setErrorMs).format() << "\n";
    if (plain)
        out << "                           QTimer : " << Stats::of(plain->setErrorMs).format() << "\n";
    out << "    onset, number painted  game   : " << Stats::of(game.paintErrorMs).format() << "\n";
    if (plain)
        out << "                           QTimer : " << Stats::of(plain->paintErrorMs).format() << "\n";
    out << "    last flash of a round  game   : " << Stats::of(game.lastFlashErrorMs).format() << "\n";
    if (plain) {
        out << "                           QTimer : " << Stats::of(plain->lastFlashErrorMs).format() << "\n";
        const double ratio = Stats::of(plain->setErrorMs).p99 / std::max(1e-6, Stats::of(game.setErrorMs).p99);
        out << QStringLiteral("    p99 onset error, QTimer / game: %1x\n").arg(ratio, 0, 'f', 1);
    }
    out.flush();
}

void printTiming(int intervalMs, int flashes, bool busy)
{
    std::unique_ptr<BusyCore> load;
    if (busy)
        load = std::make_unique<BusyCore>();
    constexpr int Terms = 15;
    const int rounds = (flashes + Terms - 1) / Terms;
    out << QStringLiteral("\n%1 ms interval, other core %2\n").arg(intervalMs).arg(busy ? QStringLiteral("busy") : QStringLiteral("idle"));
    const FlashTimes game = measureTrainingRounds(intervalMs, rounds, Terms, Scheduler::Game);
    const FlashTimes plain = measureTrainingRounds(intervalMs, rounds, Terms, Scheduler::PlainQtTimer);
    printFlashTimes(QStringLiteral("training screen, %1 rounds of %2 flashes").arg(rounds).arg(Terms), game, &plain);
    // The challenge screen runs the same timer; a third as many flashes
    // there keeps the whole run within a quarter of an hour.
    const FlashTimes challenge = measureChallengeRounds(intervalMs, flashes / 3, Scheduler::Game);
    printFlashTimes(QStringLiteral("challenge screen, levels 1 up, %1 flashes").arg(challenge.setErrorMs.size()), challenge, nullptr);
}

void printBonus()
{
    out << "\nTime bonus at level 10 (starts at 11600), answer dialog open for 3.0 s; expected 8600\n";
    for (bool busy : {false, true}) {
        const BonusFigures f = measureBonusAtLevel10(3000, busy);
        out << QStringLiteral("  event loop %1: bonus left %2 after %3 ms open; %4 countdown ticks arrived"
                              " (a bonus counted by ticks would be %5)\n")
                   .arg(busy ? QStringLiteral("held 250 ms of every 300") : QStringLiteral("free"))
                   .arg(f.bonusLeft)
                   .arg(f.openMs, 0, 'f', 1)
                   .arg(f.countdownTicks)
                   .arg(std::max(0, 11600 - 100 * f.countdownTicks));
    }
    out.flush();
}

void printStartup(int runs)
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QString bareProgram = QDir(dir).filePath(QStringLiteral("startup_bare"));
    // The game starts on a program directory that has its files already.
    BenchHarness programDir;
    const QList<StartupFigures> figures =
        measureStartup({{bareProgram, {}},
                        {bareProgram, {QStringLiteral("--japanese")}},
                        {QDir(dir).filePath(QStringLiteral("startup_plumeno")), {ProgramPaths::programDir()}}},
                       runs);
    const StartupFigures &bare = figures[0];
    const StartupFigures &bareJapanese = figures[1];
    const StartupFigures &game = figures[2];
    const auto line = [&](const QString &what, const StartupFigures &f) {
        out << QStringLiteral("  %1: %2 ms, peak resident %3 kB  (%4x time, %5x memory)\n")
                   .arg(what)
                   .arg(f.medianMs, 6, 'f', 1)
                   .arg(f.medianPeakKb, 6, 'f', 0)
                   .arg(f.medianMs / std::max(1e-6, bare.medianMs), 0, 'f', 2)
                   .arg(f.medianPeakKb / std::max(1e-6, bare.medianPeakKb), 0, 'f', 2);
    };
    out << QStringLiteral("\nStart-up to the first painted window, median of %1 runs each (run in turn, after one\n"
                          "uncounted round), against a bare Qt window\n")
               .arg(runs);
    line(QStringLiteral("bare Qt window, QWidget + QLabel  "), bare);
    line(QStringLiteral("the same, its label in Japanese   "), bareJapanese);
    line(QStringLiteral("Plumeno, mode selection screen    "), game);
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool quick = args.contains(QStringLiteral("--quick"));
    const qsizetype only = args.indexOf(QStringLiteral("--only"));
    const QString part = only >= 0 && only + 1 < args.size() ? args[only + 1] : QString();
    const auto wanted = [&](const char *name) { return part.isEmpty() || part == QLatin1String(name); };

    out << "Plumeno benchmarks on " << QSysInfo::prettyProductName() << ", " << QThread::idealThreadCount() << " cores, Qt " << qVersion()
        << ", platform " << QGuiApplication::platformName() << "\n";
    out.flush();

    const int flashes = quick ? 60 : 300;
    if (wanted("timing")) {
        out << "Onset error: when a number was set / painted, against START + k x interval.\n"
               "\"game\" is the game's round timer; \"QTimer\" the same rounds on a plain default QTimer.\n";
        for (bool busy : {false, true}) {
            printTiming(100, flashes, busy);
            // Half as many at 600 ms in the quick run keeps `make bench` within minutes.
            printTiming(600, quick ? flashes / 2 : flashes, busy);
        }
    }
    if (wanted("bonus"))
        printBonus();
    if (wanted("startup"))
        printStartup(quick ? 15 : 31);
    if (wanted("click"))
        printClickLatency(out, quick ? 60 : 300);
    if (wanted("soak"))
        runSoak(quick ? 200 : 2000, quick ? 200 : 2000, out);
    if (wanted("extras"))
        runExtrasBench(quick, out);
    if (wanted("staircase"))
        runStaircaseBench(out);
    return 0;
}
