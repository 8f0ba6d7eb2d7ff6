// The single-instance lock and the special folders.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "runtime/qt/qt_folders.h"
#include "runtime/qt/qt_instance.h"

namespace {

using rt::qt::QtInstanceLock;

class InstanceLock : public testing::Test {
  protected:
    QTemporaryDir dir;
    std::string folder() const { return dir.path().toStdString(); }
    QString lockPath() const { return dir.path() + "/Dazivuvera.lock"; }

    // Starts a process that takes the lock; it holds it until killed, or dies at once leaving the
    // lock file behind when `crash` is set. Returns its process id.
    pid_t lockInChild(bool crash) {
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            QLockFile lock(lockPath());
            const char ok = lock.tryLock(0) ? 'y' : 'n';
            if (::write(ready[1], &ok, 1) != 1 || crash) ::_exit(0);
            ::pause();
            ::_exit(0);
        }
        char ok = 0;
        EXPECT_EQ(::read(ready[0], &ok, 1), 1);
        EXPECT_EQ(ok, 'y');
        ::close(ready[0]);
        ::close(ready[1]);
        if (crash) ::waitpid(pid, nullptr, 0);
        return pid;
    }
};

TEST_F(InstanceLock, FirstCopyRunsAndASecondOneSeesIt) {
    QtInstanceLock first(folder());
    EXPECT_FALSE(first.previousInstance());
    EXPECT_TRUE(QFile::exists(lockPath()));
    QtInstanceLock second(folder());
    EXPECT_TRUE(second.previousInstance());
    // The answers are kept.
    EXPECT_FALSE(first.previousInstance());
    EXPECT_TRUE(second.previousInstance());
}

TEST_F(InstanceLock, TheLockIsReleasedWhenTheCopyEnds) {
    {
        QtInstanceLock first(folder());
        ASSERT_FALSE(first.previousInstance());
    }
    EXPECT_FALSE(QFile::exists(lockPath()));
    EXPECT_FALSE(QtInstanceLock(folder()).previousInstance());
}

TEST_F(InstanceLock, ALiveProcessHoldingTheLockIsAPreviousInstance) {
    const pid_t child = lockInChild(false);
    EXPECT_TRUE(QtInstanceLock(folder()).previousInstance());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

TEST_F(InstanceLock, ALockLeftByACrashedProcessIsTakenOverAtOnce) {
    const pid_t child = lockInChild(true);
    ASSERT_TRUE(QFile::exists(lockPath()));
    QtInstanceLock lock(folder());
    EXPECT_FALSE(lock.previousInstance());
    QFile file(lockPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readLine().trimmed().toLongLong(), qint64(::getpid()));
    EXPECT_NE(qint64(child), qint64(::getpid()));
}

TEST_F(InstanceLock, AFolderWhereNoLockCanBeMadeLetsTheProgramRun) {
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_FALSE(QtInstanceLock((dir.path() + "/file/sub").toStdString()).previousInstance());
}

TEST_F(InstanceLock, DefaultFolderIsTheRuntimeFolder) {
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) runtime = QDir::tempPath();
    EXPECT_EQ(QtInstanceLock().lockPath(), runtime + "/Dazivuvera.lock");
}

TEST(SpecialFolders, DesktopAndApplicationsMenuWithoutTrailingSeparator) {
    rt::qt::QtSpecialFolders folders;
    const std::pair<int, QStandardPaths::StandardLocation> cases[] = {
        {0, QStandardPaths::DesktopLocation}, {11, QStandardPaths::ApplicationsLocation}};
    for (auto [number, location] : cases) {
        const auto path = folders.path(number);
        ASSERT_TRUE(path) << number;
        EXPECT_FALSE(path->empty());
        EXPECT_NE(path->back(), '/');
        EXPECT_EQ(QDir::cleanPath(QString::fromStdString(*path)),
                  QDir::cleanPath(QStandardPaths::writableLocation(location)));
    }
    for (int unknown : {-1, 2, 5, 7, 26, 0x1c}) EXPECT_FALSE(folders.path(unknown)) << unknown;
}

}  // namespace
