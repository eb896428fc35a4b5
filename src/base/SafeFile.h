#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// How the program touches the files a player keeps: the settings file and
// the two ranking files. Nothing here deletes what it finds; a thing in the
// way is set aside under a new name, and a file is replaced only whole.
namespace SafeFile {

// An ordinary file at exactly that path: not a directory, not a device or a
// pipe (reading one of those could wait for ever), not hidden.
bool isPlainFile(const QString &path);

// Something is at the path, but not an ordinary file.
bool isInTheWay(const QString &path);

// The file's permission bits allow no writing at all. A player who marks a
// file read-only means it, so it is honoured even where the system would
// let the program write (as root).
bool markedReadOnly(const QString &path);

// The first `limit` bytes of a plain file; nullopt when it is not one or
// cannot be opened. `cut` tells whether the file went on past the limit.
std::optional<QByteArray> readHead(const QString &path, qint64 limit, bool *cut = nullptr);

// Replaces the file whole through a temporary file, so that a failure part
// way leaves the old content; refuses a file marked read-only.
bool write(const QString &path, const QByteArray &bytes);

// Keeps what is at `path` under "<path>.bak-YYYYMMDD-HHMMSS" (a number is
// added when that name is taken): a file is copied and stays where it is,
// anything else is renamed out of the way. Returns the new path, or an
// empty string when that could not be done.
QString keepAside(const QString &path);

// Renames whatever is at `path` to the same kind of name, even a file.
QString moveAside(const QString &path);

} // namespace SafeFile
