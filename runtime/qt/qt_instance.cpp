#include "runtime/qt/qt_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace rt::qt {

namespace {

QString defaultFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

}  // namespace

QtInstanceLock::QtInstanceLock() : folder_(defaultFolder()) {}

QtInstanceLock::QtInstanceLock(const std::string& folder)
    : folder_(QString::fromStdString(folder)) {}

QtInstanceLock::~QtInstanceLock() = default;

QString QtInstanceLock::lockPath() const {
    return folder_ + QStringLiteral("/Dazivuvera.lock");
}

bool QtInstanceLock::previousInstance() {
    if (answer_) return *answer_;
    lock_ = std::make_unique<QLockFile>(lockPath());
    // QLockFile would otherwise call a lock older than 30 s stale and steal it from the running
    // copy. With no age limit only a lock whose process is gone is stale, and tryLock removes it.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        answer_ = false;
    } else {
        answer_ = lock_->error() == QLockFile::LockFailedError;
        lock_.reset();
    }
    return *answer_;
}

}  // namespace rt::qt
