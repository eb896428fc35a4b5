// A second copy of the program for the two-copies test: it enters scores
// through the real ranking store, in the program directory the test gives.
// Messages are printed instead of shown.
//
//   rankingwriter <program dir> <start at, ms since the epoch> <score> <name>
//       enters one score at that moment.
//   rankingwriter <program dir> loop <first score>
//       enters one score after another ("V<score>", the score one higher
//       each time) until it is killed.
//   rankingwriter <program dir> hold <ms>
//       takes the data lock, says "held" and keeps it that long.
#include "DataLock.h"
#include "Messages.h"
#include "ProgramPaths.h"
#include "RankingStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ProgramPaths::setProgramDir(QString::fromLocal8Bit(argv[1]));
    Messages::setResponder([](const Messages::Call &call) {
        std::fprintf(stderr, "message %s: %s\n", qPrintable(call.title), qPrintable(call.text));
        return call.buttons == Messages::Buttons::Ok ? Messages::Answer::Ok : Messages::Answer::Yes;
    });
    const QByteArray mode = argv[2];
    if (mode == "hold") {
        DataLock lock;
        if (!lock.held())
            return 3;
        std::printf("held\n");
        std::fflush(stdout);
        QThread::msleep(QByteArray(argv[3]).toULong());
        return 0;
    }
    RankingStore store;
    if (mode == "loop") {
        for (qint32 score = QByteArray(argv[3]).toInt();; ++score)
            store.enter(score, QStringLiteral("V%1").arg(score));
    }
    while (QDateTime::currentMSecsSinceEpoch() < mode.toLongLong())
        QThread::usleep(200);
    return store.enter(QByteArray(argv[3]).toInt(), QString::fromLocal8Bit(argv[4])) ? 0 : 1;
}
