#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace ProgramPaths {
namespace {

QString &programDirOverride()
{
    static QString dir;
    return dir;
}

QString &userDataDirOverride()
{
    static QString dir;
    return dir;
}

bool writableDirectory(const QString &dir)
{
    // Permission bits do not tell (root, ACLs, read-only mounts): try it.
    static QHash<QString, bool> known;
    const auto it = known.constFind(dir);
    if (it != known.constEnd())
        return *it;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".plumeno-XXXXXX")));
    const bool writable = QFileInfo(dir).isDir() && probe.open();
    known.insert(dir, writable);
    return writable;
}

} // namespace

QString programDir()
{
    if (!programDirOverride().isEmpty())
        return programDirOverride();
    return QCoreApplication::applicationDirPath();
}

void setProgramDir(const QString &dir)
{
    programDirOverride() = dir;
}

QString programPath(const QString &relative)
{
    return QDir(programDir()).filePath(relative);
}

QString dataDir()
{
    const QString program = programDir();
    if (writableDirectory(program))
        return program;
    QString user = userDataDirOverride();
    if (user.isEmpty())
        user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    return user;
}

QString dataPath(const QString &relative)
{
    return QDir(dataDir()).filePath(relative);
}

void setUserDataDirForTests(const QString &dir)
{
    userDataDirOverride() = dir;
}

} // namespace ProgramPaths
