#pragma once

#include <QString>

// Where the program's own files are, and where the player's files go.
namespace ProgramPaths {

QString programDir();
// For the programs built around the game's code (the bench, the screenshot
// tool, the second copy the ranking tests start) that run it over a folder
// of their own; empty: the executable's directory.
void setProgramDir(const QString &dir);
QString programPath(const QString &relative);

// Where the settings file and DATA/ live: in the user's data directory for
// an installed copy (one with "Plumeno.installed" beside the executable
// naming its own folder) and for a program folder that cannot be written;
// else beside the executable (the build directory, an unpacked copy).
// A user data directory used for the first time takes over the player's
// files (settings, ranking, extras, history) the program folder holds,
// never replacing its own. The user data directory is QStandardPaths' (on
// Linux below XDG_DATA_HOME).
QString dataDir();
QString dataPath(const QString &relative);

} // namespace ProgramPaths
