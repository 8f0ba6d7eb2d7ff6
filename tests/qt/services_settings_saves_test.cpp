// Saves of the settings store under stress: processes killed in the middle of a save, two copies
// of the game saving at once, locks of dead processes, stores that cannot be written.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "app/module1.h"
#include "app/settings_save.h"
#include "dialogs/records_store.h"
#include "runtime/app.h"
#include "runtime/qt/qt_settings.h"
#include "runtime/qt/qt_store_lock.h"
#include "tests/support/fake_services.h"

namespace {

using quopa::CodificaRecorde;
using quopa::EntradaDeRecorde;
using rt::qt::QtSettingsStore;

const std::string kSavesApp = "Tuvel Quopa";

class SettingsSaves : public testing::Test {
  protected:
    QTemporaryDir dir{QString::fromStdString(::testing::TempDir()) + "settings-XXXXXX"};
    QtSettingsStore store{dir.path().toStdString()};

    QString file() const { return store.filePath(kSavesApp); }
    // Whether the lock that every save of the store takes is free now: a lock with no patience
    // tries once and waits for nothing, so the answer does not depend on how busy the machine is.
    bool lockFreeAtOnce() const {
        rt::qt::LockClock clock;
        return rt::qt::StoreLock(file() + ".guard", std::chrono::milliseconds(0), clock).held();
    }
    QStringList folderContent() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // The scores of the records table as stored, best first; -1 for an entry that does not read.
    std::vector<int> storedScores() {
        std::vector<int> scores;
        for (const EntradaDeRecorde& e : quopa::LeRecordes(reader()).entradas)
            scores.push_back(e.pontos);
        return scores;
    }
    bool tableIsWhole() { return !quopa::LeRecordes(reader()).reparada; }
    rt::SettingsStore::Reader reader() {
        return [this](const std::string& section, const std::string& key) {
            return store.get(kSavesApp, section, key);
        };
    }
    void storeTable(std::vector<int> scores) {
        std::vector<rt::Setting> keys;
        for (std::size_t i = 0; i < scores.size(); ++i)
            keys.push_back({"Sething", quopa::ChaveDoRecorde(int(i) + 1),
                            CodificaRecorde({scores[i], "Old", "2024-01-01"})});
        ASSERT_EQ(store.save(kSavesApp, keys), rt::SaveResult::Saved);
    }
};

// The game's services in a child process: this store, and dialogs that answer at once.
struct ChildServices {
    explicit ChildServices(QtSettingsStore& store) {
        rt::Services s;
        s.settings = &store;
        s.dialogs = &dialogs;
        rt::app().install(s);
    }
    testing_support::FakeDialogs dialogs;
};

// Waits until the child has died, leaving it unreaped: a dead process that still has its pid.
void waitForDeath(pid_t child) {
    siginfo_t info{};
    ::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT);
}

int reap(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

// A copy of the game that enters new records, one after the other, as fast as it can, each one
// point above the best: every new record shifts the whole table down by one. Once its first
// record is stored it writes a byte to `started`, the writing end of a pipe.
[[noreturn]] void enterRecordsForever(QtSettingsStore& store, int started) {
    ChildServices services(store);
    std::vector<EntradaDeRecorde> table = quopa::LeRecordes().entradas;
    for (;;) {
        const int best = table.front().pontos;
        quopa::GravaNovoRecorde({best + 1, "Round", "2024-02-02"}, table);
        if (started >= 0 && ::write(started, "s", 1) == 1) started = -1;
    }
}

TEST_F(SettingsSaves, KillAtAnyMomentOfARecordsSaveLeavesAWholeTable) {
    storeTable({100, 99, 98, 97, 96, 95, 94, 93, 92, 91});
    std::mt19937 random(20261207);
    int best = 100;
    for (int kill = 0; kill < 25; ++kill) {
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) enterRecordsForever(store, started[1]);
        // The kill falls at a random moment of the saves after the first, however long a busy
        // machine takes to let the copy start.
        ::close(started[1]);  // a copy that dies first ends the read
        char byte = 0;
        ASSERT_EQ(::read(started[0], &byte, 1), 1) << "kill " << kill;
        ::close(started[0]);
        ::usleep(static_cast<useconds_t>(random() % 15000));
        ::kill(child, SIGKILL);
        waitForDeath(child);

        // The killed save's lock is taken over at once, even before the dead child is reaped.
        EXPECT_TRUE(lockFreeAtOnce()) << "kill " << kill;
        EXPECT_EQ(store.update(
                      kSavesApp,
                      [](const rt::SettingsStore::Reader&) { return std::vector<rt::Setting>{}; }),
                  rt::SaveResult::Saved);
        reap(child);

        // Whole: ten entries that read, in a run of ten scores from the best one down.
        ASSERT_TRUE(tableIsWhole()) << "kill " << kill;
        const std::vector<int> scores = storedScores();
        ASSERT_GE(scores[0], best) << "kill " << kill;
        for (int i = 0; i < 10; ++i) ASSERT_EQ(scores[i], scores[0] - i) << "kill " << kill;
        best = scores[0];
    }
    EXPECT_GT(best, 100);  // the children did save
    EXPECT_EQ(folderContent(), QStringList{"Tuvel Quopa.ini"});
}

TEST_F(SettingsSaves, TwoCopiesEnteringRecordsAtOnceKeepEveryRecord) {
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    pid_t children[2];
    for (int copy = 0; copy < 2; ++copy) {
        children[copy] = ::fork();
        ASSERT_GE(children[copy], 0);
        if (children[copy] == 0) {
            ChildServices services(store);
            char start;
            if (::read(go[0], &start, 1) != 1) ::_exit(2);
            // Ann enters 1, 3, ... 39 and Bob 2, 4, ... 40, each as fast as he can: the best ten,
            // 40 down to 31, come from the last rounds of both, when both save all the time.
            for (int k = 1; k <= 20; ++k) {
                std::vector<EntradaDeRecorde> table;
                const std::string name = copy == 0 ? "Ann" : "Bob";
                if (!quopa::GravaNovoRecorde({2 * k - 1 + copy, name, "2024-03-03"}, table))
                    ::_exit(1);
            }
            ::_exit(0);
        }
    }
    ASSERT_EQ(::write(go[1], "gg", 2), 2);
    ::close(go[0]);
    ::close(go[1]);
    for (pid_t child : children) {
        const int status = reap(child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(storedScores(), (std::vector<int>{40, 39, 38, 37, 36, 35, 34, 33, 32, 31}));
}

TEST_F(SettingsSaves, ASaveOfOneSectionKeepsWhatAnotherCopySavedInOthers) {
    QtSettingsStore other(dir.path().toStdString());
    storeTable({50, 40});
    ASSERT_EQ(other.save(kSavesApp, "MainForm", "Players", "2"), rt::SaveResult::Saved);
    storeTable({70, 60, 50, 40});
    ASSERT_EQ(other.save(kSavesApp, {{"Colors", "MainBack", "255"}, {"MainForm", "Total", "True"}}),
              rt::SaveResult::Saved);
    EXPECT_EQ(storedScores(), (std::vector<int>{70, 60, 50, 40, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(store.get(kSavesApp, "MainForm", "Players"), "2");
    EXPECT_EQ(store.get(kSavesApp, "MainForm", "Total"), "True");
    EXPECT_EQ(store.get(kSavesApp, "Colors", "MainBack"), "255");
}

// Readers trust their parsed copy of the file while its size and modification time (to the
// millisecond) stay the same, and the records table keeps the same size whatever it holds. A save
// within the same tick of the file system's clock as the one before, or after a file dated ahead
// by another machine's clock, would go unseen: every new file is dated after the one it replaces.
TEST_F(SettingsSaves, ANewFileIsAlwaysDatedAfterTheOneItReplaces) {
    QtSettingsStore reader(dir.path().toStdString());
    const std::string first(146, 'a'), second(146, 'b');
    ASSERT_EQ(store.save(kSavesApp, "Sething", "DataNed1", first), rt::SaveResult::Saved);
    const QDateTime ahead = QDateTime::currentDateTime().addSecs(3600);
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(ahead, QFileDevice::FileModificationTime));
    }
    ASSERT_EQ(reader.get(kSavesApp, "Sething", "DataNed1"), first);
    ASSERT_EQ(store.save(kSavesApp, "Sething", "DataNed1", second), rt::SaveResult::Saved);
    EXPECT_GT(QFileInfo(file()).lastModified(), ahead);
    EXPECT_EQ(reader.get(kSavesApp, "Sething", "DataNed1"), second);

    for (int i = 0; i < 50; ++i) {
        const std::string value(146, char('c' + i % 20));
        ASSERT_EQ(store.save(kSavesApp, "Sething", "DataNed1", value), rt::SaveResult::Saved);
        ASSERT_EQ(reader.get(kSavesApp, "Sething", "DataNed1"), value) << i;
    }
}

TEST_F(SettingsSaves, LockOfASaveThatDiedIsTakenOverAtOnce) {
    storeTable({30, 20, 10});
    // A copy of the game killed in the middle of its save, holding the lock, its copy of the store
    // half made.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        store.update(kSavesApp, [](const rt::SettingsStore::Reader&) -> std::vector<rt::Setting> {
            ::raise(SIGKILL);
            return {};
        });
        ::_exit(0);
    }
    waitForDeath(child);
    // And the lock file that a save of QSettings itself leaves when it is killed between making
    // the file and writing its owner into it.
    QFile stale(file() + ".lock");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    EXPECT_GT(folderContent().size(), 2);

    EXPECT_TRUE(lockFreeAtOnce());
    EXPECT_EQ(store.save(kSavesApp, "MainForm", "Players", "2"), rt::SaveResult::Saved);
    reap(child);
    EXPECT_EQ(store.get(kSavesApp, "MainForm", "Players"), "2");
    EXPECT_EQ(storedScores(), (std::vector<int>{30, 20, 10, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(folderContent(), (QStringList{"Tuvel Quopa.ini", "Tuvel Quopa.ini.lock"}));
}

// Lowers the largest file this process may write, as a full disk would stop it; restored on
// leaving.
struct FullDisk {
    explicit FullDisk(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        previous = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, previous);
    }
    rlimit saved{};
    sighandler_t previous;
};

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The disk fills up in the middle of the value being saved, or at the end of the file, in the
// records table that follows the options.
TEST_F(SettingsSaves, FullDiskFailsTheSaveAndKeepsTheOldFile) {
    storeTable({30, 20, 10});
    const QByteArray before = contentOf(file());
    struct Case {
        std::string value;
        qint64 room;  // bytes the file may have beyond the old one
    };
    for (const Case& c : {Case{std::string(5000, 'x'), 100}, Case{"2", 10}}) {
        {
            FullDisk full(static_cast<rlim_t>(before.size() + c.room));
            EXPECT_EQ(store.save(kSavesApp, "MainForm", "Players", c.value),
                      rt::SaveResult::Unwritable)
                << c.room;
        }
        EXPECT_EQ(contentOf(file()), before) << c.room;
        EXPECT_EQ(store.get(kSavesApp, "MainForm", "Players"), std::nullopt);
        EXPECT_EQ(folderContent(), QStringList{"Tuvel Quopa.ini"});
    }
    EXPECT_EQ(store.save(kSavesApp, "MainForm", "Players", "2"), rt::SaveResult::Saved);
    EXPECT_EQ(storedScores(), (std::vector<int>{30, 20, 10, 0, 0, 0, 0, 0, 0, 0}));
}

// Whatever a damaged file holds, a save replaces it with one that holds the saved value: a store
// that was once damaged is not left unwritable for good.
TEST_F(SettingsSaves, SaveOverADamagedFileSucceeds) {
    const char* pieces[] = {"[",           "]",       "=",  "\n",         "@Variant(",
                            "@ByteArray(", ",",       "\"", "\\",         "%",
                            "key",         "Sething", "/",  "@Invalid()", "\\x",
                            "\r",          ";",       "#",  "@Size(1 2)", "@Rect(1 2 3 4)",
                            "@DateTime(",  "a b",     "//"};
    std::mt19937 random(20261208);
    for (int file = 0; file < 60; ++file) {
        QByteArray damaged;
        for (int i = 0; i < 300; ++i)
            damaged += random() % 3 == 0 ? QByteArray(1, char(random()))
                                         : QByteArray(pieces[random() % std::size(pieces)]);
        QFile f(this->file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(damaged);
        f.close();
        ASSERT_EQ(store.save(kSavesApp, "MainForm", "Language", "1"), rt::SaveResult::Saved)
            << damaged.toStdString();
        EXPECT_EQ(store.get(kSavesApp, "MainForm", "Language"), "1");
    }
}

TEST_F(SettingsSaves, ReadOnlyFileOrFolderFailsTheSave) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes read-only files and folders";
    storeTable({30});
    ASSERT_TRUE(QFile::setPermissions(file(), QFile::ReadOwner));
    EXPECT_EQ(store.save(kSavesApp, "MainForm", "Players", "2"), rt::SaveResult::Unwritable);
    ASSERT_TRUE(QFile::setPermissions(file(), QFile::ReadOwner | QFile::WriteOwner));

    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(store.save(kSavesApp, "MainForm", "Players", "2"), rt::SaveResult::Unwritable);
    ASSERT_TRUE(
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(store.get(kSavesApp, "MainForm", "Players"), std::nullopt);
    EXPECT_EQ(storedScores()[0], 30);
}

// A copy of the game that is stopped in the middle of a save (a debugger, Ctrl+Z in its terminal),
// holding the lock; it saves `value` when it is let go on.
pid_t copyStoppedInItsSave(QtSettingsStore& store, const rt::Setting& value) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rt::SaveResult saved =
            store.update(kSavesApp, [&value](const rt::SettingsStore::Reader&) {
                ::raise(SIGSTOP);
                return std::vector<rt::Setting>{value};
            });
        ::_exit(saved == rt::SaveResult::Saved ? 0 : 1);
    }
    int status = 0;
    if (child > 0 && (::waitpid(child, &status, WUNTRACED) != child || !WIFSTOPPED(status)))
        ADD_FAILURE() << "the copy did not stop in its save";
    return child;
}

// Time that passes only while a save pauses in its wait for the lock, so that the longest wait
// takes no time. Each pause notes whether the busy pointer was up.
class VirtualLockClock : public rt::qt::LockClock {
  public:
    std::chrono::steady_clock::time_point now() override {
        return std::chrono::steady_clock::time_point{} + waited;
    }
    void pause(std::chrono::milliseconds length) override {
        waited += length;
        const QCursor* pointer = QGuiApplication::overrideCursor();
        if (!pointer || pointer->shape() != Qt::WaitCursor) ++pausesWithoutBusyPointer;
        if (duringPause) duringPause();
    }
    std::chrono::milliseconds waited{0};
    int pausesWithoutBusyPointer = 0;
    std::function<void()> duringPause;
};

TEST_F(SettingsSaves, ALockThatAnotherCopyKeepsFailsTheSaveAsInUseAndLeavesTheFile) {
    storeTable({30, 20, 10});
    const QByteArray before = contentOf(file());
    const pid_t other = copyStoppedInItsSave(store, {"MainForm", "Players", "2"});
    VirtualLockClock clock;
    QtSettingsStore waiting(dir.path().toStdString(), clock);

    EXPECT_EQ(waiting.save(kSavesApp, "MainForm", "Language", "1"), rt::SaveResult::InUse);
    EXPECT_GE(clock.waited, QtSettingsStore::kLockPatience);
    EXPECT_EQ(contentOf(file()), before);

    ::kill(other, SIGKILL);
    reap(other);
    EXPECT_EQ(waiting.save(kSavesApp, "MainForm", "Language", "1"), rt::SaveResult::Saved);
    EXPECT_EQ(store.get(kSavesApp, "MainForm", "Language"), "1");
}

// A folder where the file, or its lock file, should be cannot be written, even by the superuser.
// The save fails as such at once: no wait, and no busy pointer, for a lock that no copy holds.
TEST_F(SettingsSaves, AFolderInPlaceOfTheFileOrItsLockFailsTheSaveAtOnce) {
    for (const char* folder : {"Tuvel Quopa.ini", "Tuvel Quopa.ini.guard"}) {
        SCOPED_TRACE(folder);
        QTemporaryDir top;
        ASSERT_TRUE(QDir(top.path()).mkdir(folder));
        VirtualLockClock clock;
        QtSettingsStore waiting(top.path().toStdString(), clock);
        EXPECT_EQ(waiting.save(kSavesApp, "MainForm", "Players", "2"), rt::SaveResult::Unwritable);
        EXPECT_EQ(clock.waited, std::chrono::milliseconds(0));
        EXPECT_EQ(waiting.get(kSavesApp, "MainForm", "Players"), std::nullopt);
        EXPECT_TRUE(QFileInfo(top.path() + "/" + folder).isDir());
    }
}

// What a player feels of the waits for another copy that keeps the lock: the first gives up at
// ten seconds, a later one while that copy still keeps it is not felt as a second wait.
constexpr std::chrono::milliseconds kGivesUpAt{10000}, kGivesUpBy{10100}, kUnfelt{500};

// The exit saves twice: a copy that is stuck with the lock is waited for once, under the busy
// pointer, and later saves wait only as long as a live copy's save takes, until the lock is had
// again.
TEST_F(SettingsSaves, AStuckCopyIsWaitedForOnceThenOnlyAsLongAsASaveTakes) {
    VirtualLockClock clock;
    QtSettingsStore waiting(dir.path().toStdString(), clock);
    using std::chrono::milliseconds;
    // With no one else saving, the lock is had at once.
    const QCursor* pointerWhileSaving = nullptr;
    EXPECT_EQ(waiting.update(kSavesApp,
                             [&](const rt::SettingsStore::Reader&) {
                                 pointerWhileSaving = QGuiApplication::overrideCursor();
                                 return std::vector<rt::Setting>{{"MainForm", "Language", "1"}};
                             }),
              rt::SaveResult::Saved);
    EXPECT_EQ(clock.waited, milliseconds(0));
    EXPECT_EQ(pointerWhileSaving, nullptr);

    pid_t other = copyStoppedInItsSave(store, {"MainForm", "Players", "2"});
    EXPECT_EQ(waiting.save(kSavesApp, "MainForm", "Total", "True"), rt::SaveResult::InUse);
    EXPECT_GE(clock.waited, kGivesUpAt);
    EXPECT_LE(clock.waited, kGivesUpBy);
    EXPECT_EQ(clock.pausesWithoutBusyPointer, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    clock.waited = milliseconds(0);
    EXPECT_EQ(waiting.save(kSavesApp, "MainForm", "Total", "True"), rt::SaveResult::StillInUse);
    EXPECT_GT(clock.waited, milliseconds(0));
    EXPECT_LE(clock.waited, kUnfelt);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // Still, a copy that finishes its save meanwhile is waited for, and both saves are kept.
    clock.waited = milliseconds(0);
    clock.duringPause = [&] {
        if (other == 0) return;
        ::kill(other, SIGCONT);
        const int status = reap(other);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        other = 0;
    };
    EXPECT_EQ(waiting.save(kSavesApp, "MainForm", "Total", "True"), rt::SaveResult::Saved);
    EXPECT_EQ(other, 0);
    EXPECT_LE(clock.waited, kUnfelt);
    EXPECT_EQ(store.get(kSavesApp, "MainForm", "Players"), "2");
    EXPECT_EQ(store.get(kSavesApp, "MainForm", "Total"), "True");
    clock.duringPause = nullptr;

    // The lock was had again: the next stuck copy is waited for in full.
    other = copyStoppedInItsSave(store, {"MainForm", "Players", "1"});
    clock.waited = milliseconds(0);
    EXPECT_EQ(waiting.save(kSavesApp, "MainForm", "Total", "False"), rt::SaveResult::InUse);
    EXPECT_GE(clock.waited, kGivesUpAt);
    EXPECT_LE(clock.waited, kGivesUpBy);
    ::kill(other, SIGKILL);
    reap(other);
    EXPECT_EQ(clock.pausesWithoutBusyPointer, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Another copy's hold of a lock, taken in this process: the system's lock is held per opening of
// the file, so the store's own opening is kept out as by another process. It lets go as a copy
// that is killed does, leaving the lock file.
class HeldLock {
  public:
    explicit HeldLock(const QString& guard)
        : fd_(::open(QFile::encodeName(guard).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ < 0 || ::flock(fd_, LOCK_EX | LOCK_NB) != 0) ADD_FAILURE() << "lock not taken";
    }
    ~HeldLock() { letGo(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    void letGo() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    bool held() const { return fd_ >= 0; }

  private:
    int fd_;
};

TEST_F(SettingsSaves, AFreedLockIsTakenWithinATenthOfASecond) {
    VirtualLockClock clock;
    QtSettingsStore waiting(dir.path().toStdString(), clock);
    // Let go at a moment that no pause of the wait need end on.
    const std::chrono::milliseconds freedAt{4321};
    HeldLock other(file() + ".guard");
    clock.duringPause = [&] {
        if (clock.waited >= freedAt) other.letGo();
    };
    EXPECT_EQ(waiting.save(kSavesApp, "MainForm", "Players", "2"), rt::SaveResult::Saved);
    EXPECT_FALSE(other.held());
    EXPECT_LE(clock.waited, freedAt + std::chrono::milliseconds(100));
}

// Two settings folders whose files link to one file kept with the user's other dotfiles, one by
// its full path, one by a relative one: a save through either keeps out a save through the other.
TEST_F(SettingsSaves, SavesThroughTwoLinksToOneFileTakeOneLock) {
    const QString root = dir.path();
    for (const char* folder : {"first", "second", "dotfiles"})
        ASSERT_TRUE(QDir(root).mkdir(folder));
    ASSERT_EQ(::symlink(QFile::encodeName(root + "/dotfiles/quopa.ini"),
                        QFile::encodeName(root + "/first/Tuvel Quopa.ini")),
              0);
    ASSERT_EQ(
        ::symlink("../dotfiles/quopa.ini", QFile::encodeName(root + "/second/Tuvel Quopa.ini")), 0);
    QtSettingsStore first((root + "/first").toStdString());
    VirtualLockClock clock;
    QtSettingsStore second((root + "/second").toStdString(), clock);

    rt::SaveResult meanwhile = rt::SaveResult::Saved;
    EXPECT_EQ(first.update(kSavesApp,
                           [&](const rt::SettingsStore::Reader&) {
                               meanwhile = second.save(kSavesApp, "MainForm", "Language", "1");
                               return std::vector<rt::Setting>{{"MainForm", "Players", "2"}};
                           }),
              rt::SaveResult::Saved);
    EXPECT_EQ(meanwhile, rt::SaveResult::InUse);
    EXPECT_EQ(second.save(kSavesApp, "MainForm", "Language", "1"), rt::SaveResult::Saved);
    EXPECT_EQ(first.get(kSavesApp, "MainForm", "Players"), "2");
    EXPECT_EQ(first.get(kSavesApp, "MainForm", "Language"), "1");
}

// The link is changed to another file while a save waits for the lock of the first: the save
// takes the lock of the file the link leads to now, and saves there.
TEST_F(SettingsSaves, ALinkChangedWhileASaveWaitsIsFollowed) {
    const QString root = dir.path();
    ASSERT_TRUE(QDir(root).mkdir("conf"));
    const QByteArray link = QFile::encodeName(root + "/conf/Tuvel Quopa.ini");
    ASSERT_EQ(::symlink("../one.ini", link.constData()), 0);
    {
        QFile one(root + "/one.ini");
        ASSERT_TRUE(one.open(QIODevice::WriteOnly));
        one.write("[MainForm]\nPlayers=1\n");
    }
    const QByteArray before = contentOf(root + "/one.ini");
    VirtualLockClock clock;
    QtSettingsStore waiting((root + "/conf").toStdString(), clock);
    HeldLock other(root + "/one.ini.guard");
    clock.duringPause = [&] {
        if (!other.held()) return;
        ::unlink(link.constData());
        ASSERT_EQ(::symlink("../two.ini", link.constData()), 0);
        other.letGo();
    };
    EXPECT_EQ(waiting.save(kSavesApp, "MainForm", "Players", "2"), rt::SaveResult::Saved);
    EXPECT_EQ(contentOf(root + "/one.ini"), before);
    EXPECT_EQ(QSettings(root + "/two.ini", QSettings::IniFormat).value("MainForm/Players"), "2");
}

// Whoever holds the lock removes its file on release, and the next saver may make it anew at
// once: a lock taken on the file that a waiter opened before that keeps no one out.
TEST_F(SettingsSaves, ALockOnAFileThatIsNoLongerTheLockFileIsNotHeld) {
    const QByteArray guard = QFile::encodeName(file() + ".guard");
    struct Case {
        const char* meanwhile;
        bool held;
    };
    for (const Case& c :
         {Case{"nothing", true}, Case{"removed", false}, Case{"made anew", false}}) {
        SCOPED_TRACE(c.meanwhile);
        const int opened = ::open(guard.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(opened, 0);
        if (c.meanwhile != std::string("nothing")) ::unlink(guard.constData());
        if (c.meanwhile == std::string("made anew"))
            ::close(::open(guard.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
        EXPECT_EQ(rt::qt::StoreLock::lockWhileNamed(opened, guard), c.held);
        ::close(opened);
        ::unlink(guard.constData());
    }
}

// The player is told once, in his language, with the place of the file.
TEST_F(SettingsSaves, StoreThatCannotBeWrittenIsNamedToThePlayerOnce) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("Tuvel Quopa.ini"));
    for (const char* idioma : {"0", "1"}) {
        testing_support::FakeDialogs dialogs;
        rt::Services s;
        s.settings = &store;
        s.dialogs = &dialogs;
        rt::app().install(s);
        quopa::Idioma = idioma;
        quopa::AvisouFalhaNaGravacao = false;
        EXPECT_FALSE(quopa::GravaConfiguracoes({{"MainForm", "Players", "2"}}));
        std::vector<EntradaDeRecorde> table;
        EXPECT_FALSE(quopa::GravaNovoRecorde({500, "Ann", "2024-01-01"}, table));
        ASSERT_EQ(dialogs.messages.size(), 1u) << idioma;
        EXPECT_NE(dialogs.messages[0].prompt.find(file().toStdString()), std::string::npos);
        EXPECT_EQ(dialogs.messages[0].title, idioma == std::string("0") ? " Aviso" : " Warning");
        EXPECT_EQ(table.front().pontos, 500);  // still shown in this run
    }
    rt::app().install(rt::Services{});
}

// A copy stuck with the lock is waited for in full and told of once; while it keeps the lock, the
// exit's second save is not felt as a second wait. Once it has gone, saves wait in full again: a
// live copy's slow save is waited for, and the next copy found stuck is told of again.
TEST_F(SettingsSaves, AStuckCopyThatHasGoneIsNoLongerWaitedForBriefly) {
    using std::chrono::milliseconds;
    VirtualLockClock clock;
    QtSettingsStore waiting(dir.path().toStdString(), clock);
    testing_support::FakeDialogs dialogs;
    rt::Services s;
    s.settings = &waiting;
    s.dialogs = &dialogs;
    rt::app().install(s);
    quopa::Idioma = "1";
    quopa::AvisouFalhaNaGravacao = false;
    const auto save = [&](const char* players) {
        clock.waited = milliseconds(0);
        return quopa::GravaConfiguracoes({{"MainForm", "Players", players}});
    };
    std::vector<pid_t> dead;  // reaped at the end, so that no later copy has their numbers

    const pid_t stuck = copyStoppedInItsSave(store, {"MainForm", "Total", "True"});
    dead.push_back(stuck);
    const std::optional<rt::qt::LockHolder> holder = rt::qt::lockHolder(file() + ".guard");
    if (!holder || holder->process != stuck) {
        ::kill(stuck, SIGKILL);
        reap(stuck);
        rt::app().install(rt::Services{});
        GTEST_SKIP() << "this file system's locks are not listed with their holders";
    }
    EXPECT_FALSE(save("1"));
    EXPECT_FALSE(save("1"));
    EXPECT_LE(clock.waited, kUnfelt);
    EXPECT_EQ(dialogs.messages.size(), 1u);

    // The stuck copy goes away; later another copy saves just as this one does, for 0.6 s.
    ::kill(stuck, SIGKILL);
    waitForDeath(stuck);
    pid_t live = copyStoppedInItsSave(store, {"MainForm", "Total", "False"});
    clock.duringPause = [&] {
        if (live == 0 || clock.waited < milliseconds(600)) return;
        ::kill(live, SIGCONT);
        reap(live);
        live = 0;
    };
    EXPECT_TRUE(save("2"));
    EXPECT_EQ(live, 0);
    clock.duringPause = nullptr;

    // The next copy found stuck is told of, and so is one found stuck after that one has gone.
    for (unsigned copy = 0; copy < 2; ++copy) {
        const pid_t next = copyStoppedInItsSave(store, {"MainForm", "Total", "True"});
        dead.push_back(next);
        EXPECT_FALSE(save("3"));
        EXPECT_GE(clock.waited, kGivesUpAt);
        EXPECT_EQ(dialogs.messages.size(), 2u + copy);
        ::kill(next, SIGKILL);
        waitForDeath(next);
    }
    for (pid_t copy : dead) reap(copy);
    EXPECT_EQ(store.get(kSavesApp, "MainForm", "Players"), "2");
    EXPECT_EQ(store.get(kSavesApp, "MainForm", "Total"), "False");
    rt::app().install(rt::Services{});
}

}  // namespace
