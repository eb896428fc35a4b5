#pragma once

#include <QString>
#include <QStringList>

// Time from process start to the first painted window, and the peak resident
// memory by then, of a child program that prints "painted <kB>" when done.
struct StartupFigures
{
    double medianMs = 0;
    double medianPeakKb = 0;
};

StartupFigures measureStartup(const QString &program, const QStringList &arguments, int runs);
