#pragma once

#include <QString>
#include <memory>

// Held while the player's files are read, changed and written back, so that
// two copies of the program running at once take turns instead of each
// writing over what the other just wrote. The lock is the operating
// system's, on the file "Plumeno.lock" in the data folder: it ends with the
// process that holds it, so a copy that crashed leaves nothing to wait for,
// whatever it left in the file. One held by a living copy is waited for a
// short while only, never for ever. Nested holders in one process share
// the outer lock.
class DataLock
{
public:
    static constexpr int WaitMs = 3000;

    // `waitMs`: how long a lock held by another living copy is waited for.
    explicit DataLock(int waitMs = WaitMs);
    ~DataLock();
    DataLock(const DataLock &) = delete;
    DataLock &operator=(const DataLock &) = delete;

    // False only when another living copy kept the lock for the whole wait.
    // A data folder that cannot hold a lock file at all (one that cannot be
    // written) counts as held: what is written there then fails on its own.
    bool held() const { return m_held; }

    static QString path(); // "Plumeno.lock" in the data folder

    class Handle; // the platform's lock, open while held
private:
    std::unique_ptr<Handle> m_handle;
    bool m_held = false;
};
