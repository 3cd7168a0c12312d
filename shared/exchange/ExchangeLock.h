#pragma once

#include <string>

namespace exchange {

// The lock file beside "beta.bin" and "root.bin". Whoever writes "beta.bin", runs the
// root finder and reads "root.bin" holds an exclusive advisory lock (flock) on it for the
// whole exchange, so that two exchanges in one folder never take each other's files.
inline const char* const kLockFile = ".filter-exchange.lock";

// The descriptor number under which a program started during an exchange receives the
// lock, to hold it until it has read "root.bin" (ReleaseHandedOnLock).
constexpr int kHandedOnLockFd = 3;

// The lock of the exchange in the current folder.
class CExchangeLock {
public:
    // Opens (creating if need be) kLockFile in the current folder without taking the
    // lock. A symbolic link or anything but a regular file in its place is refused.
    // Throws FileError.
    CExchangeLock();
    // Closes the file, which releases the lock unless a started program still holds it.
    ~CExchangeLock();
    CExchangeLock(const CExchangeLock&) = delete;
    CExchangeLock& operator=(const CExchangeLock&) = delete;

    // Takes the lock if nobody holds it, without waiting. True when it is held now.
    bool TryAcquire();
    // The open lock file, to hand on to a started program.
    int Descriptor() const { return m_fd; }

private:
    int m_fd = -1;
    bool m_bHeld = false;
};

// In a program started with the lock handed on: lets go of it by closing descriptor
// kHandedOnLockFd, when that descriptor is the lock file of the current folder; any
// other descriptor of that number is left alone.
void ReleaseHandedOnLock();

}  // namespace exchange
