#include "runtime/qt/qt_store_lock.h"

#include <algorithm>
#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

namespace rt::qt {

StoreLock::StoreLock(const QString& path, std::chrono::milliseconds patience) : path_(path) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + patience;
    auto pause = std::chrono::milliseconds(1);
    while (!tryOnce()) {
        if (errno != EWOULDBLOCK || Clock::now() >= deadline) return;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

// The lock file is removed by the holder on release. A waiter that then gets the lock on the
// removed file, or on a file that was replaced meanwhile, holds nothing that others can see: it
// notices that the name no longer leads to its file and tries again.
bool StoreLock::tryOnce() {
    const QByteArray name = QFile::encodeName(path_);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return false;
    }
    struct stat opened {
    }, named{};
    if (::fstat(fd, &opened) != 0 || ::stat(name.constData(), &named) != 0 ||
        opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) {
        ::close(fd);
        errno = EWOULDBLOCK;
        return false;
    }
    fd_ = fd;
    return true;
}

StoreLock::~StoreLock() {
    if (fd_ < 0) return;
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
}

}  // namespace rt::qt
