// The per-user settings store on QSettings: one INI file per application name.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include <QString>

#include "runtime/qt/qt_store_lock.h"
#include "runtime/services.h"

namespace rt::qt {

// Keeps each application's settings in "<folder>/<application>.ini", where the folder is
// "Ostrelo" in the user's configuration folder (~/.config/Ostrelo on Linux) unless the
// constructor names another one. Values are UTF-8 texts stored as strings and read back exactly,
// whatever characters they hold. Key names keep their case.
//
// A file that cannot be read or parsed never fails a read: the key reads as absent, so the caller
// falls back to its default.
//
// A save (update) takes the store's lock ("<file>.guard" beside the file that is replaced: the
// system's file lock, which dies with its holder), copies the file as it is now to a fresh
// temporary file beside it, lets `change` read that copy, writes the changed keys into it,
// flushes it to disk and renames it over the file, so the store is replaced once per save,
// atomically, whatever number of keys it changes. Temporary files left by a save that was killed
// are removed by the next save; no other file is touched. A file or folder that cannot be
// written, a lock file that cannot be made, or a full disk, makes the save return Unwritable at
// once and leaves the file as it was.
//
// A file that is a symbolic link (kept with the user's other dotfiles) stays one: the save
// replaces the file that the link, or the chain of up to 40 links, leads to, and does all of the
// above beside that file, lock included, so that copies reaching one file by different names take
// one lock. After taking it the save looks again where the name leads, and takes the lock of the
// new file if the link was changed meanwhile. A link that leads nowhere yet gets its file made,
// when the folder it names exists: the user made the link to say where his settings live, and a
// plain file in its place would move them away from there without a word. A link into a folder
// that is not there (a disk not mounted) fails the save instead, as making folders there would
// hide the disk when it comes back; so does a chain of links that loops.
//
// Another running copy of the program keeps the lock for the milliseconds of its save; one that
// keeps it for kLockPatience is stuck (stopped in the middle of a save, on a hung network folder)
// and the save returns InUse. While that same copy keeps the lock, later saves wait only
// kPatienceWhileStuck and return StillInUse, so that an action that saves twice (the exit) waits
// for the stuck copy once. Once it has let go, saves wait the full time again for whoever holds
// the lock. The copy is known by its process, as the system lists the lock's holder, and by the
// lock file, which a holder removes when it lets go; a holder the system does not list (on another
// machine) is taken to be the same while the lock file is. While a save waits, the program's
// windows show the busy pointer.
class QtSettingsStore : public SettingsStore {
  public:
    static constexpr std::chrono::milliseconds kLockPatience{10000};
    // Many times what a live copy's save takes (milliseconds, two flushes to disk), so that two
    // copies that save at the same moment both save, and too short to be felt as a second wait.
    static constexpr std::chrono::milliseconds kPatienceWhileStuck{250};

    QtSettingsStore();
    explicit QtSettingsStore(const std::string& folder);
    // Waits for the lock by `clock`, which tests make virtual.
    QtSettingsStore(const std::string& folder, LockClock& clock);

    std::optional<std::string> get(const std::string& app, const std::string& section,
                                   const std::string& key) override;
    SaveResult update(const std::string& app, const Change& change) override;
    std::string location(const std::string& app) override;

    // The file that holds an application's settings.
    QString filePath(const std::string& app) const;

  private:
    // Takes the lock of `guard` into `lock`; Saved when it is held.
    SaveResult takeLock(std::optional<StoreLock>& lock, const QString& guard,
                        const std::function<void()>& waitBegins);

    QString folder_;
    LockClock* clock_;
    // The holders found stuck, by their lock files, until the lock is had again or another holds
    // it.
    std::map<QString, LockHolder> stuck_;
};

}  // namespace rt::qt
