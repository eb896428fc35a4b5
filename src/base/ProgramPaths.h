#pragma once

#include <QString>

// Where the program's own files are, and where the player's files go.
namespace ProgramPaths {

QString programDir();
void setProgramDir(const QString &dir); // empty: the executable's directory
QString programPath(const QString &relative);

// Where the settings file and DATA/ live: in the user's data directory for
// an installed copy (one with "Plumeno.installed" beside the executable
// naming its own folder) and for a program folder that cannot be written;
// else beside the executable (the build directory, an unpacked copy).
// A user data directory used for the first time takes over the settings
// and ranking the program folder holds, never replacing its own.
QString dataDir();
QString dataPath(const QString &relative);
void setUserDataDirForTests(const QString &dir); // empty: the standard place

} // namespace ProgramPaths
