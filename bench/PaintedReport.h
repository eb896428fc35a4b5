#pragma once

// What both start-up children do once their first window has been painted:
// print "painted <peak resident kB>" for the benchmark, then end. Qt Core
// only, so the bare window's program links nothing more than it needs.
#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

inline long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

inline void reportPaintedAndQuit()
{
    QTimer::singleShot(0, qApp, [] {
        std::printf("painted %ld\n", peakResidentKb());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}
