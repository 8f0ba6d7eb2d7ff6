#include "runtime/qt/qt_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#include "runtime/qt/convert.h"

namespace rt::qt {

namespace {

QString settingsKey(const std::string& section, const std::string& key) {
    return toQString(section) + QLatin1Char('/') + toQString(key);
}

// QSaveFile syncs the new file's data before it renames it over the old one, but the rename
// itself lives in the folder: syncing the folder makes the new name durable too, so the save is
// on disk when it returns, not merely in the file system's cache.
void syncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(folder);
#endif
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : folder_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
              QStringLiteral("/Ostrelo")) {}

QtSettingsStore::QtSettingsStore(const std::string& folder) : folder_(toQString(folder)) {}

QString QtSettingsStore::filePath(const std::string& app) const {
    return folder_ + QLatin1Char('/') + toQString(app) + QStringLiteral(".ini");
}

std::optional<std::string> QtSettingsStore::get(const std::string& app, const std::string& section,
                                                const std::string& key) {
    QSettings store(filePath(app), QSettings::IniFormat);
    const QVariant value = store.value(settingsKey(section, key));
    // Only texts are ours. Anything else comes from a damaged or hand-edited file (an unquoted
    // list, a serialised Qt type) and reads as absent, so the caller uses its default.
    if (value.typeId() == QMetaType::QString) return value.toString().toStdString();
    return std::nullopt;
}

void QtSettingsStore::save(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& value) {
    const QString path = filePath(app);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings store(path, QSettings::IniFormat);
    // Never fall back to writing over the old file in place: a crash in the middle of that would
    // leave a broken store behind.
    store.setAtomicSyncRequired(true);
    store.setValue(settingsKey(section, key), toQString(value));
    store.sync();
    // A format error only says the old file was damaged; the new one has been written whole.
    if (store.status() == QSettings::AccessError) {
        qWarning("Settings could not be saved to %s", qPrintable(path));
        return;
    }
    syncFolder(QFileInfo(path).absolutePath());
}

}  // namespace rt::qt
