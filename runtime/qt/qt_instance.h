// The single-instance lock on QLockFile.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "runtime/services.h"

class QLockFile;

namespace rt::qt {

// The first previousInstance() claims the lock file "Dazivuvera.lock" in the user's runtime
// folder (the temporary folder when there is none, or the folder given to the constructor) and
// holds it for the life of this object. It answers true when a live process holds the lock. A
// lock left behind by a process that has died is taken over at once, however young it is; a lock
// held by a live process is never taken over, however old it is. When the lock cannot be made
// at all (a folder without write access) the answer is false: a copy that cannot tell must not
// refuse to run. The answer of the first call is kept.
class QtInstanceLock : public InstanceLock {
  public:
    QtInstanceLock();
    explicit QtInstanceLock(const std::string& folder);
    ~QtInstanceLock() override;

    bool previousInstance() override;

    QString lockPath() const;

  private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    std::optional<bool> answer_;
};

}  // namespace rt::qt
