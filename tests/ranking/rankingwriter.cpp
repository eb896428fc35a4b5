// A second copy of the program for the two-copies test: it enters one score
// through the real insertion, at a moment the test chooses, in the program
// directory the test gives. Messages are printed instead of shown.
//
//   rankingwriter <program dir> <start at, ms since the epoch> <score> <name>
//   rankingwriter <program dir> hold-and-crash
//       takes the data lock as the program does and dies holding it.
//   rankingwriter <program dir> hold <ms>
//       takes the data lock, says "held" and keeps it that long.
#include "DataLock.h"
#include "Messages.h"
#include "ProgramPaths.h"
#include "RankingScreen.h"

#include <QApplication>
#include <QDateTime>
#include <QThread>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plumeno"));
    if (argc < 3)
        return 2;
    ProgramPaths::setProgramDir(QString::fromLocal8Bit(argv[1]));
    Messages::setResponder([](const Messages::Call &call) {
        std::fprintf(stderr, "message %s: %s\n", qPrintable(call.title), qPrintable(call.text));
        return call.buttons == Messages::Buttons::Ok ? Messages::Answer::Ok : Messages::Answer::Yes;
    });
    if (qstrcmp(argv[2], "hold-and-crash") == 0) {
        DataLock lock;
        if (!lock.held())
            return 3;
        std::fflush(stderr);
        std::_Exit(9); // no destructors: the lock file stays, as after a crash
    }
    if (qstrcmp(argv[2], "hold") == 0 && argc > 3) {
        DataLock lock;
        if (!lock.held())
            return 3;
        std::printf("held\n");
        std::fflush(stdout);
        QThread::msleep(QByteArray(argv[3]).toULong());
        return 0;
    }
    if (argc < 5)
        return 2;
    RankingScreen *screen = RankingScreen::instance();
    qint32 score = QByteArray(argv[3]).toInt();
    QString name = QString::fromLocal8Bit(argv[4]);
    const qint64 startAt = QByteArray(argv[2]).toLongLong();
    while (QDateTime::currentMSecsSinceEpoch() < startAt)
        QThread::usleep(200);
    screen->insertScore(score, name);
    return 0;
}
