// The per-user settings store on QSettings: one INI file per application name.
#pragma once

#include <optional>
#include <string>

#include <QString>

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
// A save (update) takes the store's lock ("<file>.guard", the system's file lock, which dies with
// its holder), copies the file as it is now to a fresh temporary file beside it, lets `change`
// read that copy, writes the changed keys into it, flushes it to disk and renames it over the
// file, so the store is replaced once per save, atomically, whatever number of keys it changes.
// Temporary files left by a save that was killed are removed by the next save. A file or folder
// that cannot be written, or a full disk, makes the save return false and leaves the file as it
// was.
class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();
    explicit QtSettingsStore(const std::string& folder);

    std::optional<std::string> get(const std::string& app, const std::string& section,
                                   const std::string& key) override;
    bool update(const std::string& app, const Change& change) override;
    std::string location(const std::string& app) override;

    // The file that holds an application's settings.
    QString filePath(const std::string& app) const;

  private:
    QString folder_;
};

}  // namespace rt::qt
