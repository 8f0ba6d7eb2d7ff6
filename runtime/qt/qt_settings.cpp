#include "runtime/qt/qt_settings.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <utility>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QtGlobal>

#include "runtime/qt/convert.h"
#include "runtime/qt/qt_store_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rt::qt {

namespace {

// Numbers the temporary files of this process's saves, so that no two of them share a name.
std::atomic<unsigned> saveNumber{0};

QString settingsKey(const std::string& section, const std::string& key) {
    return toQString(section) + QLatin1Char('/') + toQString(key);
}

std::optional<std::string> textOf(QSettings& store, const std::string& section,
                                  const std::string& key) {
    const QVariant value = store.value(settingsKey(section, key));
    // Only texts are ours. Anything else comes from a damaged or hand-edited file (an unquoted
    // list, a serialised Qt type) and reads as absent, so the caller uses its default.
    if (value.typeId() == QMetaType::QString) return value.toString().toStdString();
    return std::nullopt;
}

// The temporary files of saves start with this name: the copy, and what QSettings makes beside
// it while it writes the copy.
QString temporaryPrefix(const QString& path) {
    return path + QStringLiteral(".new-");
}

// Whether a file beside the store is a temporary file of one of its saves: the store's name
// exactly, then ".new-<process>-<number>", maybe "-checked", maybe an extension that QSettings
// adds to what it writes. The user keeps other files in the folder a link leads to, with names
// of any characters: no character of the store's name may act as a pattern.
bool isTemporaryOf(const QString& name, const QString& store) {
    static const QRegularExpression kRest(QStringLiteral("^[0-9]+-[0-9]+(-checked)?(\\..*)?$"));
    const QString prefix = temporaryPrefix(store);
    return name.startsWith(prefix) && kRest.match(QStringView(name).mid(prefix.size())).hasMatch();
}

// Temporary files that a killed save left behind. Called under the lock, when no save of any
// copy of the program is running, so every such file is a leftover.
void removeLeftovers(const QString& path) {
    const QFileInfo info(path);
    QDir folder = info.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (isTemporaryOf(name, info.fileName())) folder.remove(name);
}

// Readers in this and other processes keep a parsed copy of the file and trust it while the
// file's size and modification time (in milliseconds) stay the same. Two saves within one tick of
// the file system's clock could leave both unchanged (the records table always has the same
// size), so every new file is dated at least a millisecond after the one it replaces.
bool dateAfter(const QString& temporary, const QFileInfo& old) {
    if (!old.exists()) return true;
    const QDateTime before = old.lastModified();
    if (QFileInfo(temporary).lastModified() > before) return true;
    QFile file(temporary);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
}

QVariantMap contentOf(QSettings& store) {
    QVariantMap content;
    for (const QString& key : store.allKeys()) content.insert(key, store.value(key));
    return content;
}

// A key as QSettings reads it back: a damaged file can hold keys with empty sections ("/x",
// "a//b") that QSettings writes out in their plain form.
QString plainKey(const QString& key) {
    return key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

// The texts of a file's content, by their plain keys.
QMap<QString, QString> textsOf(const QVariantMap& content) {
    QMap<QString, QString> texts;
    for (auto v = content.cbegin(); v != content.cend(); ++v)
        if (v.value().typeId() == QMetaType::QString)
            texts.insert(plainKey(v.key()), v.value().toString());
    return texts;
}

// Whether a file read back holds every text that was meant to be written, unchanged. Values of
// other types come only from a damaged or hand-edited file: they read as absent anyway, and
// QSettings does not write them all back in a form that reads the same.
bool holdsTexts(const QVariantMap& read, const QVariantMap& meant) {
    const QMap<QString, QString> found = textsOf(read);
    const QMap<QString, QString> texts = textsOf(meant);
    for (auto t = texts.cbegin(); t != texts.cend(); ++t) {
        const auto f = found.find(t.key());
        if (f == found.cend() || f.value() != t.value()) return false;
    }
    return true;
}

// Renames a file, replacing any file of the new name in one step.
bool renamed(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// The rename of the new file lives in the folder: syncing the folder makes the new name durable
// too, so the save is on disk when it returns, not merely in the file system's cache.
void syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// What a change made of the copy of the store.
struct ChangedCopy {
    bool written = false;  // the copy holds the change (or the change named nothing)
    bool changed = false;  // the change named some values
    QVariantMap content;   // everything the copy was meant to hold
};

// Lets `change` read the copy and writes the values it returns into it.
ChangedCopy changeCopy(const QString& copy, const SettingsStore::Change& change) {
    ChangedCopy result;
    // The copy has a name no QSettings object of this process has seen, so it is parsed afresh:
    // `change` reads the store exactly as it is now.
    QSettings store(copy, QSettings::IniFormat);
    // Never fall back to writing over the copy in place: a full disk would leave it half written.
    store.setAtomicSyncRequired(true);
    const std::vector<Setting> values =
        change([&store](const std::string& section, const std::string& key) {
            return textOf(store, section, key);
        });
    for (const Setting& s : values)
        store.setValue(settingsKey(s.section, s.key), toQString(s.value));
    result.changed = !values.empty();
    store.sync();
    // A format error only says the old file was damaged; the new one has been written whole.
    result.written = store.status() != QSettings::AccessError;
    if (result.written && result.changed) result.content = contentOf(store);
    return result;
}

// Renames the written copy over the store. QSettings reports success even when the last bytes of
// a file could not be written (a full disk), so the copy is first read back under a name that no
// QSettings object has seen, and replaces the store only when it holds exactly what was meant.
bool putInPlace(const QString& copy, const QString& path, const QFileInfo& old,
                const QVariantMap& meant) {
    const QString checked = copy + QStringLiteral("-checked");
    bool whole = renamed(copy, checked);
    if (whole) {
        QSettings readBack(checked, QSettings::IniFormat);
        whole = readBack.status() == QSettings::NoError && holdsTexts(contentOf(readBack), meant);
    }
    if (whole && old.exists()) QFile::setPermissions(checked, old.permissions());
    const bool replaced = whole && dateAfter(checked, old) && renamed(checked, path);
    QFile::remove(checked);
    if (replaced) syncFolder(QFileInfo(path).absolutePath());
    return replaced;
}

// The folder part of a path, as the system reads it: "." for a bare name.
QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// As many links as the system itself follows in one path.
constexpr int kMostLinks = 40;

// Where a save of a name leads: the file it replaces, or why there is none.
struct Destination {
    QString file;     // empty when there is none
    QString problem;  // for the warning
};

// The file that a save of `path` replaces: `path` itself, or, when it is a symbolic link, the file
// at the end of its chain of links, which may not exist yet. A relative link is read from the
// folder of the link, as the system reads it. The folder of the result is given with its own
// links resolved, because Qt's file names take ".." lexically and a folder reached through a link
// would then lead elsewhere than the system's path does. None when the chain loops, is longer than
// the system follows, or ends in a folder that cannot be reached.
Destination destinationOf(const QString& path) {
    QByteArray file = QFile::encodeName(path);
    std::set<std::pair<dev_t, ino_t>> links;
    for (int followed = 0;; ++followed) {
        struct stat status {};
        if (::lstat(file.constData(), &status) != 0) {
            // A file not made yet is made by the save; any other failure leaves no file to save.
            if (errno == ENOENT) break;
            return {{},
                    QStringLiteral("it leads to %1, which cannot be reached (%2)")
                        .arg(QFile::decodeName(file), qt_error_string(errno))};
        }
        if (!S_ISLNK(status.st_mode)) break;
        if (!links.insert({status.st_dev, status.st_ino}).second)
            return {{}, QStringLiteral("its symbolic links loop")};
        if (followed == kMostLinks)
            return {{},
                    QStringLiteral("it leads through more than %1 symbolic links").arg(kMostLinks)};
        char target[PATH_MAX];
        const ssize_t length = ::readlink(file.constData(), target, sizeof target);
        if (length <= 0 || length == ssize_t(sizeof target))
            return {
                {},
                QStringLiteral("the symbolic link %1 cannot be read").arg(QFile::decodeName(file))};
        const QByteArray next(target, length);
        file = next.startsWith('/') ? next : folderOf(file) + '/' + next;
    }
    char folder[PATH_MAX];
    if (!::realpath(folderOf(file).constData(), folder))
        return {{},
                QStringLiteral("it leads to %1, in a folder that cannot be reached (%2)")
                    .arg(QFile::decodeName(file), qt_error_string(errno))};
    const QByteArray name = file.mid(file.lastIndexOf('/') + 1);
    return {QFile::decodeName(QByteArray(folder) + (folder[1] ? "/" : "") + name), {}};
}

// One save of the file `path`, under its lock: the store is copied, changed and put back in one
// rename, all of it beside the file.
bool replaceStore(const QString& path, const SettingsStore::Change& change) {
    removeLeftovers(path);
    const QFileInfo old(path);
    // A folder in the file's place, or a file made read-only, is not to be replaced.
    if (old.exists() && (!old.isFile() || !old.isWritable())) return false;
    const QString copy = temporaryPrefix(path) +
                         QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                         QString::number(++saveNumber);
    if (old.exists() && !QFile::copy(path, copy)) return false;
    const ChangedCopy changed = changeCopy(copy, change);
    const bool saved =
        changed.written && (!changed.changed || putInPlace(copy, path, old, changed.content));
    QFile::remove(copy);
    return saved;
}

// Says in the program's log why a save of `path` failed; names the file a link leads to.
void warnNotSaved(const QString& path, const QString& file, const QString& why) {
    QString warning = QStringLiteral("Settings could not be saved to ") + path;
    if (!file.isEmpty() && file != path) warning += QStringLiteral(", which leads to ") + file;
    if (!why.isEmpty()) warning += QStringLiteral(": ") + why;
    qWarning("%s", qPrintable(warning));
}

// The busy pointer over the program's windows while a save waits for another copy's lock: put up
// when the wait begins, and taken down when the save ends, however it ends. Qt's own handling of
// the pointer sends the change to the window system at once (the X11 platform flushes its
// connection), so the pointer shows while this thread waits, with no events processed, which
// would run the game's handlers in the middle of a save.
class BusyPointer {
  public:
    BusyPointer() = default;
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    ~BusyPointer() {
        if (shown_) QGuiApplication::restoreOverrideCursor();
    }
    void show() {
        // Only a program with windows has a pointer, and only its main thread may change it.
        const auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
        if (shown_ || !gui || QThread::currentThread() != gui->thread()) return;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        shown_ = true;
    }

  private:
    bool shown_ = false;
};

LockClock steadyLockClock;

}  // namespace

QtSettingsStore::QtSettingsStore()
    : folder_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
              QStringLiteral("/Ostrelo")),
      clock_(&steadyLockClock) {}

QtSettingsStore::QtSettingsStore(const std::string& folder)
    : QtSettingsStore(folder, steadyLockClock) {}

QtSettingsStore::QtSettingsStore(const std::string& folder, LockClock& clock)
    : folder_(toQString(folder)), clock_(&clock) {}

QString QtSettingsStore::filePath(const std::string& app) const {
    return folder_ + QLatin1Char('/') + toQString(app) + QStringLiteral(".ini");
}

std::string QtSettingsStore::location(const std::string& app) {
    return QDir::toNativeSeparators(filePath(app)).toStdString();
}

std::optional<std::string> QtSettingsStore::get(const std::string& app, const std::string& section,
                                                const std::string& key) {
    QSettings store(filePath(app), QSettings::IniFormat);
    return textOf(store, section, key);
}

// A name that leads elsewhere at every look is being changed by a program that keeps at it: a
// save gives up after a few turns rather than chase it.
constexpr int kMostTurns = 5;

SaveResult QtSettingsStore::update(const std::string& app, const Change& change) {
    const QString path = filePath(app);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        warnNotSaved(path, {}, {});
        return SaveResult::Unwritable;
    }
    BusyPointer busy;
    std::optional<StoreLock> lock;
    Destination to = destinationOf(path);
    for (int turn = 1;; ++turn) {
        if (to.file.isEmpty()) {
            warnNotSaved(path, {}, to.problem);
            return SaveResult::Unwritable;
        }
        const SaveResult locked =
            takeLock(lock, to.file + QStringLiteral(".guard"), [&busy] { busy.show(); });
        if (locked != SaveResult::Saved) {
            warnNotSaved(path, to.file,
                         locked == SaveResult::Unwritable
                             ? QStringLiteral("its lock file cannot be made or locked")
                             : QStringLiteral("another program holds its lock"));
            return locked;
        }
        // The link may have been changed while the save waited: the lock held is then another
        // file's, and keeps out none of the copies that save to the file the name leads to now.
        Destination now = destinationOf(path);
        if (now.file == to.file) break;
        lock.reset();
        if (turn == kMostTurns) {
            warnNotSaved(path, {}, QStringLiteral("its symbolic links keep changing"));
            return SaveResult::Unwritable;
        }
        to = std::move(now);
    }
    if (!replaceStore(to.file, change)) {
        warnNotSaved(path, to.file, {});
        return SaveResult::Unwritable;
    }
    return SaveResult::Saved;
}

SaveResult QtSettingsStore::takeLock(std::optional<StoreLock>& lock, const QString& guard,
                                     const std::function<void()>& waitBegins) {
    const auto start = clock_->now();
    const auto stuck = stuck_.find(guard);
    lock.emplace(guard, stuck != stuck_.end() ? kPatienceWhileStuck : kLockPatience, *clock_,
                 waitBegins);
    if (stuck != stuck_.end() && lock->inUse()) {
        if (lockHolder(guard) == stuck->second) return SaveResult::StillInUse;
        // The stuck copy has let go, and another holds the lock for its own save: it is waited
        // for in full, as any holder is.
        stuck_.erase(stuck);
        const auto waited =
            std::chrono::duration_cast<std::chrono::milliseconds>(clock_->now() - start);
        lock.emplace(guard, kLockPatience - waited, *clock_, waitBegins);
    }
    if (lock->held()) {
        stuck_.erase(guard);
        return SaveResult::Saved;
    }
    if (!lock->inUse()) return SaveResult::Unwritable;
    if (const std::optional<LockHolder> holder = lockHolder(guard)) stuck_[guard] = *holder;
    return SaveResult::InUse;
}

}  // namespace rt::qt
