#pragma once

#include <QString>

// Where the program's own files are, and where the player's files go.
namespace ProgramPaths {

QString programDir();
void setProgramDir(const QString &dir); // empty: the executable's directory
QString programPath(const QString &relative);

// Where the settings file and DATA/ live: beside the executable when that
// directory can be written (the build directory, an unpacked copy), else the
// user's data directory (an installed copy).
QString dataDir();
QString dataPath(const QString &relative);
void setUserDataDirForTests(const QString &dir); // empty: the standard place

} // namespace ProgramPaths
