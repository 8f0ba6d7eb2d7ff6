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
// falls back to its default. A save replaces the whole file atomically (a temporary file renamed
// over the old one) and flushes it to disk before it returns; a save that cannot be written is
// reported on the Qt warning channel and otherwise ignored, as the store's callers have no error
// path of their own.
class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();
    explicit QtSettingsStore(const std::string& folder);

    std::optional<std::string> get(const std::string& app, const std::string& section,
                                   const std::string& key) override;
    void save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;

    // The file that holds an application's settings.
    QString filePath(const std::string& app) const;

  private:
    QString folder_;
};

}  // namespace rt::qt
