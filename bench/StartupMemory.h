#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Time from process start to the first painted window, and the peak resident
// memory by then, of a child program that prints "painted <kB>" when done.
struct StartupFigures
{
    double medianMs = 0;
    double medianPeakKb = 0;
};

struct StartupProgram
{
    QString program;
    QStringList arguments;
};

// The programs are started in turn, one run of each per round, so that a
// machine busy for a while slows all of them alike; one round is run first
// and not counted, so that every program starts from warm file caches.
QList<StartupFigures> measureStartup(const QList<StartupProgram> &programs, int runs);
