#include "ProgramPaths.h"

#include "PlayerFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace ProgramPaths {
namespace {

QString &programDirOverride()
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

// An installed copy (cmake --install, or the package made from the same
// rules) has this file beside the executable, naming the folder it was
// installed to. A copy unpacked somewhere else from such a tree is not an
// installed one, so the folder must still be the one named.
bool installedCopy(const QString &program)
{
    QFile marker(QDir(program).filePath(QStringLiteral("Plumeno.installed")));
    if (!marker.open(QIODevice::ReadOnly))
        return false;
    const QString recorded = QString::fromUtf8(marker.readLine(4096)).trimmed();
    const QString here = QFileInfo(program).canonicalFilePath();
    return !recorded.isEmpty() && QFileInfo(recorded).canonicalFilePath() == here;
}

// The player's files that a program folder may already hold (one that
// cannot be written, or a copy installed before its files moved) are taken
// along to the user's data folder the first time it is used, so that
// nothing is lost; what is already there is never replaced.
void adoptPlayerFiles(const QString &program, const QString &user)
{
    static QSet<QString> done;
    const QString key = program + u'\n' + user;
    if (done.contains(key))
        return;
    done.insert(key);
    const QDir from(program), to(user);
    const auto plain = [](const QString &path) {
        const QFileInfo info(path);
        return info.isFile() && !info.isHidden();
    };
    const auto adopt = [&](const QStringList &group) {
        for (const QString &name : group)
            if (QFileInfo::exists(to.filePath(name)) || QFileInfo(to.filePath(name)).isSymLink())
                return; // the user's folder already has its own
        for (const QString &name : group) {
            if (!plain(from.filePath(name)))
                continue;
            QDir().mkpath(QFileInfo(to.filePath(name)).absolutePath());
            QFile::copy(from.filePath(name), to.filePath(name));
        }
    };
    adopt({PlayerFiles::Settings});
    // The names and the scores belong together: both or neither.
    adopt({PlayerFiles::RankingNames, PlayerFiles::RankingScores});
    adopt({PlayerFiles::Extras});
    adopt({PlayerFiles::History});
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
    if (!installedCopy(program) && writableDirectory(program))
        return program;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (QDir().mkpath(user) && QFileInfo(program).canonicalFilePath() != QFileInfo(user).canonicalFilePath())
        adoptPlayerFiles(program, user);
    return user;
}

QString dataPath(const QString &relative)
{
    return QDir(dataDir()).filePath(relative);
}

} // namespace ProgramPaths
