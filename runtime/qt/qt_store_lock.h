// The lock that every save of the settings store takes, across processes and machines.
#pragma once

#include <chrono>

#include <QString>

namespace rt::qt {

// Holds an exclusive lock on a lock file for its lifetime, and removes the file on release.
//
// The lock is the system's own file lock, which dies with its holder: a lock left behind by a
// process that was killed, or that crashed, is taken over at once, with no wait for it to age. A
// live holder is waited for, up to `patience`; its saves take milliseconds.
class StoreLock {
  public:
    StoreLock(const QString& path, std::chrono::milliseconds patience);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // False when the lock file could not be made (a read-only folder) or a live holder kept it
    // for longer than the patience.
    bool held() const { return fd_ >= 0; }

  private:
    bool tryOnce();

    QString path_;
    int fd_ = -1;
};

}  // namespace rt::qt
