#pragma once

#include <QStringList>
#include <optional>

class QTextStream;

// The options of the `plumeno` command. Without options the game starts as
// usual; --version and --help answer on the terminal and end the program
// before any window opens, so they need no display.
class CommandLine
{
public:
    // Exit status for a command line that cannot be understood.
    static constexpr int UsageError = 2;

    // Reads the arguments (the program's name first) before the application
    // object exists. Returns the exit status when the program should end
    // instead of starting the game.
    static std::optional<int> handle(const QStringList &arguments, QTextStream &out, QTextStream &err);

    static QString usage();
};
