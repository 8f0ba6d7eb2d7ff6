#include "runtime/qt/qt_store_lock.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QFile>

namespace rt::qt {

std::chrono::steady_clock::time_point LockClock::now() {
    return std::chrono::steady_clock::now();
}

void LockClock::pause(std::chrono::milliseconds length) {
    std::this_thread::sleep_for(length);
}

StoreLock::StoreLock(const QString& path, std::chrono::milliseconds patience, LockClock& clock,
                     const std::function<void()>& waitBegins)
    : path_(path) {
    const auto deadline = clock.now() + patience;
    auto pause = std::chrono::milliseconds(1);
    bool waiting = false;
    while (!tryOnce()) {
        if (errno != EWOULDBLOCK) return;
        if (clock.now() >= deadline) {
            inUse_ = true;
            return;
        }
        if (!waiting && waitBegins) waitBegins();
        waiting = true;
        clock.pause(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

bool StoreLock::tryOnce() {
    const QByteArray name = QFile::encodeName(path_);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (!lockWhileNamed(fd, name)) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return false;
    }
    fd_ = fd;
    return true;
}

// The holder removes the lock file on release. A waiter that then gets the lock on the removed
// file, or on a file that was replaced meanwhile, holds nothing that others can see: it notices
// that the name no longer leads to its file and tries again.
bool StoreLock::lockWhileNamed(int fd, const QByteArray& name) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return false;
    struct stat opened {
    }, named{};
    if (::fstat(fd, &opened) != 0 || ::stat(name.constData(), &named) != 0 ||
        opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) {
        ::flock(fd, LOCK_UN);
        errno = EWOULDBLOCK;
        return false;
    }
    return true;
}

StoreLock::~StoreLock() {
    if (fd_ < 0) return;
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
}

// Linux lists every lock in /proc/locks, one a line: "1: FLOCK  ADVISORY  WRITE 1234 08:01:5678
// 0 EOF", with the holder's process and the locked file as the device's numbers in hexadecimal
// and the file's number. Lines with "->" after the number are processes waiting for a lock, not
// holding it. A flock on a network folder is listed as a POSIX lock: any kind is taken.
std::optional<LockHolder> lockHolder(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return std::nullopt;
    LockHolder holder{status.st_dev, status.st_ino, 0};
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, where;
        long process = 0;
        if (!(fields >> number >> kind) || kind == "->") continue;
        if (!(fields >> mode >> access >> process >> where) || process <= 0) continue;
        unsigned majorNumber = 0, minorNumber = 0;
        unsigned long long file = 0;
        if (std::sscanf(where.c_str(), "%x:%x:%llu", &majorNumber, &minorNumber, &file) == 3 &&
            majorNumber == major(status.st_dev) && minorNumber == minor(status.st_dev) &&
            file == status.st_ino) {
            holder.process = static_cast<pid_t>(process);
            break;
        }
    }
    return holder;
}

}  // namespace rt::qt
