#include "DataLock.h"

#include "ProgramPaths.h"

#include <QLockFile>

namespace {

int &depth()
{
    static int n = 0;
    return n;
}

} // namespace

QString DataLock::path()
{
    return ProgramPaths::dataPath(QStringLiteral("Plumeno.lock"));
}

DataLock::DataLock(int waitMs)
{
    if (depth() > 0) {
        ++depth();
        m_held = true;
        return;
    }
    m_file = std::make_unique<QLockFile>(path());
    // A living copy holds the lock for a few milliseconds (a read and two
    // small writes, never across a question to the player), so a lock this
    // old belongs to a copy that hangs. One whose process is gone is stale
    // at once, whatever its age.
    m_file->setStaleLockTime(10000);
    if (m_file->tryLock(waitMs)) {
        m_held = true;
    } else {
        m_held = m_file->error() != QLockFile::LockFailedError;
        m_file.reset();
    }
    if (m_held)
        ++depth();
}

DataLock::~DataLock()
{
    if (m_held)
        --depth();
    // m_file unlocks as it goes.
}
