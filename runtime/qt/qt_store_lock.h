// The lock that every save of the settings store takes, across processes and machines.
#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include <sys/types.h>

#include <QByteArray>
#include <QString>

namespace rt::qt {

// The time that passes while a lock is waited for: the system's steady clock, and real pauses.
// Tests pass a clock that moves only when the wait pauses, so that a wait of any length takes no
// time at all.
class LockClock {
  public:
    virtual ~LockClock() = default;
    virtual std::chrono::steady_clock::time_point now();
    virtual void pause(std::chrono::milliseconds length);
};

// Holds an exclusive lock on a lock file for its lifetime, and removes the file on release.
//
// The lock is the system's own file lock, which dies with its holder: a lock left behind by a
// process that was killed, or that crashed, is taken over at once, with no wait for it to age. A
// live holder is waited for, up to `patience` by `clock`; its saves take milliseconds.
class StoreLock {
  public:
    // `waitBegins`, when given, is called once the first try has found the lock held, before the
    // wait's first pause; never when the lock is had at once, or cannot be had at all.
    StoreLock(const QString& path, std::chrono::milliseconds patience, LockClock& clock,
              const std::function<void()>& waitBegins = {});
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // False when the lock file could not be made (a read-only folder, a folder in its place) or a
    // live holder kept it for longer than the patience.
    bool held() const { return fd_ >= 0; }
    // Whether a live holder kept the lock for the whole patience (and so it is not held).
    bool inUse() const { return inUse_; }

    // Takes the lock of `fd`, a lock file opened by the name `name`, without waiting. Whoever
    // holds the lock removes the file on release, and the next saver may make it anew at once: a
    // lock on a file that `name` no longer leads to keeps no one else out, so it counts as not
    // had (errno EWOULDBLOCK, as for a lock that another holds). The caller closes `fd` when this
    // fails.
    static bool lockWhileNamed(int fd, const QByteArray& name);

  private:
    bool tryOnce();

    QString path_;
    int fd_ = -1;
    bool inUse_ = false;
};

// A lock file, and the process that holds its lock as this machine's system lists it. A holder
// that was killed leaves its lock file in place, and the next holder locks that same file: only
// the process tells them apart.
struct LockHolder {
    dev_t device = 0;
    ino_t file = 0;
    // 0 when no holder is listed: the lock is free, or held from another machine (a network
    // folder), or by a file system whose locks the system lists under another device.
    pid_t process = 0;
    bool operator==(const LockHolder&) const = default;
};

// The lock file `path` and its holder; nothing when there is no such file.
std::optional<LockHolder> lockHolder(const QString& path);

}  // namespace rt::qt
