// Plumeno's benchmarks. They print figures and never fail on a slow machine.
//   plumeno_bench [--quick] [--only timing|startup|soak]
#include "FlashTiming.h"
#include "Soak.h"
#include "StartupMemory.h"
#include "Stats.h"

#include "BenchHarness.h"
#include "Module1.h"

#include <QApplication>
#include <QDir>
#include <QSysInfo>
#include <QTextStream>
#include <QThread>

namespace {

QTextStream out(stdout);

void printTiming(int intervalMs, int rounds, int terms, bool busy)
{
    std::unique_ptr<BusyCore> load;
    if (busy)
        load = std::make_unique<BusyCore>();
    const FlashTimes game = measureTrainingRounds(intervalMs, rounds, terms, Scheduler::Game);
    const FlashTimes plain = measureTrainingRounds(intervalMs, rounds, terms, Scheduler::PlainQtTimer);
    out << QStringLiteral("\n%1 ms interval, %2 rounds of %3 flashes, other core %4\n")
               .arg(intervalMs)
               .arg(rounds)
               .arg(terms)
               .arg(busy ? QStringLiteral("busy") : QStringLiteral("idle"));
    out << "  onset, number set     game   : " << Stats::of(game.setErrorMs).format() << "\n";
    out << "                        QTimer : " << Stats::of(plain.setErrorMs).format() << "\n";
    out << "  onset, number painted game   : " << Stats::of(game.paintErrorMs).format() << "\n";
    out << "                        QTimer : " << Stats::of(plain.paintErrorMs).format() << "\n";
    out << "  last flash of a round game   : " << Stats::of(game.lastFlashErrorMs).format() << "\n";
    out << "                        QTimer : " << Stats::of(plain.lastFlashErrorMs).format() << "\n";
    const double ratio = Stats::of(plain.setErrorMs).p99 / std::max(1e-6, Stats::of(game.setErrorMs).p99);
    out << QStringLiteral("  p99 onset, QTimer / game: %1x\n").arg(ratio, 0, 'f', 1);
    out.flush();
}

void printStartup(int runs)
{
    const QString dir = QCoreApplication::applicationDirPath();
    const StartupFigures bare = measureStartup(QDir(dir).filePath(QStringLiteral("startup_bare")), runs);
    const StartupFigures game = measureStartup(QDir(dir).filePath(QStringLiteral("startup_plumeno")), runs);
    out << QStringLiteral("\nStart-up to the first painted window, median of %1 runs\n").arg(runs);
    out << QStringLiteral("  bare Qt window : %1 ms, peak resident %2 kB\n").arg(bare.medianMs, 0, 'f', 1).arg(bare.medianPeakKb, 0, 'f', 0);
    out << QStringLiteral("  Plumeno        : %1 ms, peak resident %2 kB\n").arg(game.medianMs, 0, 'f', 1).arg(game.medianPeakKb, 0, 'f', 0);
    out << QStringLiteral("  ratio          : time %1x, memory %2x\n")
               .arg(game.medianMs / std::max(1e-6, bare.medianMs), 0, 'f', 2)
               .arg(game.medianPeakKb / std::max(1e-6, bare.medianPeakKb), 0, 'f', 2);
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Module1::InstallFontSubstitutions();
    const QStringList args = app.arguments();
    const bool quick = args.contains(QStringLiteral("--quick"));
    const qsizetype only = args.indexOf(QStringLiteral("--only"));
    const QString part = only >= 0 && only + 1 < args.size() ? args[only + 1] : QString();
    const auto wanted = [&](const char *name) { return part.isEmpty() || part == QLatin1String(name); };

    out << "Plumeno benchmarks on " << QSysInfo::prettyProductName() << ", " << QThread::idealThreadCount()
        << " cores, Qt " << qVersion() << ", platform " << QGuiApplication::platformName() << "\n";
    out.flush();

    const int rounds = quick ? 4 : 20;
    if (wanted("timing")) {
        out << "Onset error: when a number was set / painted against START + k x interval.\n";
        out << "\"game\" is the game's round timer; \"QTimer\" the same round on a plain default QTimer.\n";
        for (bool busy : {false, true}) {
            printTiming(100, rounds, 15, busy);
            printTiming(600, rounds, 15, busy);
        }
    }
    if (wanted("startup"))
        printStartup(quick ? 5 : 15);
    if (wanted("soak"))
        runSoak(quick ? 200 : 2000, quick ? 200 : 2000, out);
    return 0;
}
