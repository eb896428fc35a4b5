#include "DataLock.h"

#include "PlayerFiles.h"
#include "ProgramPaths.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QThread>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <qt_windows.h>
#else
#include <QLockFile>
#endif

Q_LOGGING_CATEGORY(lcDataLock, "plumeno.datalock", QtWarningMsg)

namespace {

// The lock is one per process, so its nesting is counted per process too.
int &depth()
{
    static int n = 0;
    return n;
}

constexpr int PollMs = 5;

} // namespace

// The file is never removed: a copy waiting on it would otherwise end up
// holding a lock on a file nobody else can see any more.
#if defined(Q_OS_UNIX)
class DataLock::Handle
{
public:
    explicit Handle(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        // Not inherited by programs started from here (a browser opening the
        // help), which would otherwise hold the lock past this copy's end.
        m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (m_fd < 0)
            m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC); // a read-only lock file locks as well
        if (m_fd < 0)
            qCWarning(lcDataLock, "cannot open %s: %s", name.constData(), strerror(errno));
    }
    ~Handle()
    {
        if (m_fd >= 0)
            ::close(m_fd); // lets go of the lock
    }
    bool opened() const { return m_fd >= 0; }
    bool tryTake()
    {
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EINTR)
                return false;
        }
        return true;
    }

private:
    int m_fd = -1;
};
#elif defined(Q_OS_WIN)
class DataLock::Handle
{
public:
    explicit Handle(const QString &path)
    {
        const std::wstring name = path.toStdWString();
        m_file = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (m_file == INVALID_HANDLE_VALUE)
            qCWarning(lcDataLock, "cannot open %s: error %lu", qPrintable(path), GetLastError());
    }
    ~Handle()
    {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file); // lets go of the lock
    }
    bool opened() const { return m_file != INVALID_HANDLE_VALUE; }
    bool tryTake()
    {
        OVERLAPPED at{};
        return LockFileEx(m_file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at);
    }

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
};
#else
// Elsewhere a lock file of Qt's own, which tells a crashed holder by its
// process id.
class DataLock::Handle
{
public:
    explicit Handle(const QString &path)
        : m_file(path)
    {
        m_file.setStaleLockTime(10000);
    }
    bool opened() const { return true; }
    bool tryTake() { return m_file.tryLock(0); }

private:
    QLockFile m_file;
};
#endif

QString DataLock::path()
{
    return ProgramPaths::dataPath(PlayerFiles::Lock);
}

DataLock::DataLock(int waitMs)
{
    if (depth() > 0) {
        ++depth();
        m_held = true;
        return;
    }
    m_handle = std::make_unique<Handle>(path());
    if (!m_handle->opened()) {
        m_handle.reset();
        m_held = true;
    } else {
        const QDeadlineTimer deadline(waitMs);
        while (!(m_held = m_handle->tryTake()) && !deadline.hasExpired())
            QThread::msleep(PollMs);
        if (!m_held) {
            qCInfo(lcDataLock, "another copy held the data lock for %d ms", waitMs);
            m_handle.reset();
        }
    }
    if (m_held)
        ++depth();
}

DataLock::~DataLock()
{
    if (m_held)
        --depth();
    // The handle lets go of the lock as it goes.
}
