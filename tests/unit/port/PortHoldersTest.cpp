// Lines other programs hold: lock files, the exclusive flag and plain open descriptors.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>

#include "PtyFixture.h"
#include "port/DeviceHolders.h"
#include "port/PortChoice.h"
#include "port/PosixSerialPort.h"
#include "port/UucpLock.h"
#include "support/Programs.h"

namespace radioprog {
namespace {

using testing::AsNobody;
using testing::Pty;
using testing::ReadAll;
using testing::TempFolder;

enum class Hold { Nothing, Open, Exclusive };

// A "sleep" process that has the device open (and with Exclusive marks the line exclusive),
// as a terminal program would; it does not hold the pseudo-terminal's master side.
class HoldingProcess {
  public:
    HoldingProcess(const Pty& pty, Hold how, bool asNobody = false) {
        int ready[2];
        if (pipe2(ready, O_CLOEXEC) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(pty.master);
            passwd* nobody = getpwnam("nobody");
            if (asNobody && (nobody == nullptr || setgroups(0, nullptr) != 0 ||
                             setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)) {
                _exit(1);
            }
            int fd = how == Hold::Nothing ? 0 : open(pty.path.c_str(), O_RDWR | O_NOCTTY);
            if (fd < 0 || (how == Hold::Exclusive && ioctl(fd, TIOCEXCL) != 0)) {
                _exit(1);
            }
            char ok = 1;
            (void)!write(ready[1], &ok, 1);
            execl("/bin/sleep", "sleep", "600", static_cast<char*>(nullptr));
            _exit(1);
        }
        close(ready[1]);
        char ok = 0;
        held_ = read(ready[0], &ok, 1) == 1;
        close(ready[0]);
        // The ready byte comes before exec; wait until the process carries its new name.
        for (int i = 0; held_ && i < 200 && ProcessName(pid_) != "sleep"; ++i) {
            usleep(5000);
        }
    }
    ~HoldingProcess() { Stop(); }
    void Stop() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }
    bool Held() const { return held_; }
    pid_t Pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
    bool held_ = false;
};

std::string NamedHolder(pid_t pid) {
    return "in use by sleep (pid " + std::to_string(pid) + ")";
}

bool ExclusiveFlagSet(const std::string& path) {
    int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    int exclusive = 0;
    const bool set = fd >= 0 && ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
    if (fd >= 0) {
        close(fd);
    }
    return set;
}

std::string LockText(pid_t pid) {
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(pid));
    return text;
}

TEST(PortHolders, ALineAnotherProgramHasOpenIsBusyAndNamesIt) {
    for (Hold how : {Hold::Open, Hold::Exclusive}) {
        SCOPED_TRACE(how == Hold::Open ? "open" : "exclusive");
        Pty pty;
        HoldingProcess holder(pty, how);
        ASSERT_TRUE(holder.Held());

        TempFolder locks;
        PosixSerialPort port(locks.path);
        const PortResult result = port.Open(pty.path);
        EXPECT_EQ(result.error, PortError::InUse);
        EXPECT_NE(result.message.find(NamedHolder(holder.Pid())), std::string::npos)
            << result.message;
        EXPECT_FALSE(CanOpenExclusively(pty.path, locks.path));
        // Root gets through the open, but the flag is the other program's and stays.
        if (how == Hold::Exclusive && getuid() == 0) {
            EXPECT_TRUE(ExclusiveFlagSet(pty.path));
        }
        if (how == Hold::Open) {
            holder.Stop();
            EXPECT_TRUE(port.Open(pty.path)) << "free again once the holder is gone";
        }
    }
}

// A program killed while it had the line leaves the exclusive mark behind on a line that
// lives on (a pseudo-terminal whose far end stays, an adapter kept open by the system).
TEST(PortHolders, AnExclusiveMarkWithoutAHolderIsClearedWhereRootMayOpenTheLine) {
    if (getuid() != 0) {
        GTEST_SKIP() << "needs root, the only user the system lets open a line marked exclusive";
    }
    Pty pty;
    passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(chown(pty.path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    HoldingProcess killed(pty, Hold::Exclusive);
    ASSERT_TRUE(killed.Held());
    killed.Stop();
    ASSERT_TRUE(ExclusiveFlagSet(pty.path));

    TempFolder locks;
    chmod(locks.path.c_str(), 01777);
    // An ordinary user cannot clear it and is told how, not sent looking for a program.
    const int code = AsNobody([&] {
        PosixSerialPort port(locks.path);
        const PortResult result = port.Open(pty.path);
        return result.error == PortError::InUse &&
                       result.message.find("another program") == std::string::npos &&
                       result.message.find("replug") != std::string::npos
                   ? 0
                   : 1;
    });
    if (code >= 0) {
        EXPECT_EQ(code, 0);
    }

    PosixSerialPort port(locks.path);
    const PortResult opened = port.Open(pty.path);
    ASSERT_TRUE(opened) << opened.message;
    EXPECT_NE(opened.message.find("cleared"), std::string::npos) << opened.message;
    port.Close();
    EXPECT_FALSE(ExclusiveFlagSet(pty.path));
    const PortResult again = port.Open(pty.path);
    EXPECT_TRUE(again) << again.message;
    EXPECT_TRUE(again.message.empty()) << "nothing left to mend: " << again.message;
}

TEST(PortHolders, AnOrdinaryUserIsToldWhoHoldsTheLine) {
    if (getuid() != 0) {
        GTEST_SKIP() << "needs root to hand the device to another user";
    }
    // Nothing: the holder owns a lock file only (written by another user, whose process
    // we may not even signal).
    for (Hold how : {Hold::Open, Hold::Exclusive, Hold::Nothing}) {
        Pty pty;
        passwd* nobody = getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        ASSERT_EQ(chown(pty.path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
        HoldingProcess holder(pty, how, how != Hold::Nothing);
        ASSERT_TRUE(holder.Held());
        TempFolder locks;
        chmod(locks.path.c_str(), 01777);
        if (how == Hold::Nothing) {
            std::ofstream(locks.path / LockFileName(pty.path)) << LockText(holder.Pid());
        }
        const int code = AsNobody([&] {
            PosixSerialPort port(locks.path);
            const PortResult result = port.Open(pty.path);
            if (result.error != PortError::InUse) {
                return 1;
            }
            return result.message.find(NamedHolder(holder.Pid())) != std::string::npos ? 0 : 2;
        });
        if (code < 0) {
            GTEST_SKIP() << "cannot drop privileges here";
        }
        EXPECT_EQ(code, 0) << static_cast<int>(how);
    }
}

// A simulated radio keeps the device side of its own pseudo-terminal open so the line
// survives our closes; it is the far end of the line, not a rival for it.
TEST(PortHolders, TheFarEndOfAPseudoTerminalLeavesItFree) {
    Pty pty;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t farEnd = fork();
    if (farEnd == 0) {
        int keepAlive = open(pty.path.c_str(), O_RDWR | O_NOCTTY);
        char ok = keepAlive >= 0 ? 1 : 0;
        (void)!write(ready[1], &ok, 1);
        pause();
        _exit(0);
    }
    char ok = 0;
    ASSERT_EQ(read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 1);
    close(ready[0]);
    close(ready[1]);
    close(pty.master);  // only the far end holds the master side now
    pty.master = -1;

    TempFolder locks;
    PosixSerialPort port(locks.path);
    const PortResult result = port.Open(pty.path);
    EXPECT_TRUE(result) << result.message;
    port.Close();
    kill(farEnd, SIGKILL);
    waitpid(farEnd, nullptr, 0);
}

TEST(UucpLock, NamesTheLockAfterTheDeviceBehindAnyAlias) {
    Pty pty;
    TempFolder folder;
    const auto alias = folder.path / "radio";
    std::filesystem::create_symlink(pty.path, alias);
    const std::string ptsName = "LCK..pts_" + pty.path.substr(pty.path.rfind('/') + 1);

    EXPECT_EQ(LockFileName("/dev/ttyUSB0"), "LCK..ttyUSB0");
    EXPECT_EQ(LockFileName(pty.path), ptsName);
    EXPECT_EQ(LockFileName(alias), ptsName);
}

TEST(UucpLock, AnOpenPortHoldsItsLockFileUntilClosed) {
    Pty pty;
    TempFolder locks;
    const auto lockPath = locks.path / LockFileName(pty.path);
    PosixSerialPort port(locks.path);
    ASSERT_TRUE(port.Open(pty.path));
    EXPECT_EQ(ReadAll(lockPath), LockText(getpid()));

    PosixSerialPort second(locks.path);
    EXPECT_EQ(second.Open(pty.path).error, PortError::InUse);
    EXPECT_EQ(ReadAll(lockPath), LockText(getpid())) << "a refused open keeps the owner's lock";

    port.Close();
    EXPECT_FALSE(std::filesystem::exists(lockPath));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(locks.path), {}), 0)
        << "no temporary file left behind";
}

TEST(UucpLock, LiveLocksAreHonouredAndStaleOnesReplaced) {
    Pty pty;
    HoldingProcess live(pty, Hold::Nothing);
    ASSERT_TRUE(live.Held());
    pid_t dead = fork();
    if (dead == 0) {
        _exit(0);
    }
    waitpid(dead, nullptr, 0);

    struct Case {
        const char* what;
        std::string content;
        bool opens;
        std::string inMessage;
    };
    for (const Case& c : {Case{"live", LockText(live.Pid()), false, NamedHolder(live.Pid())},
                          Case{"stale", LockText(dead), true, ""},
                          Case{"unreadable", "not a pid\n", false, "names no process"}}) {
        SCOPED_TRACE(c.what);
        TempFolder locks;
        const auto lockPath = locks.path / LockFileName(pty.path);
        std::ofstream(lockPath) << c.content;

        PosixSerialPort port(locks.path);
        const PortResult result = port.Open(pty.path);
        EXPECT_EQ(static_cast<bool>(result), c.opens) << result.message;
        EXPECT_NE(result.message.find(c.inMessage), std::string::npos) << result.message;
        EXPECT_EQ(ReadAll(lockPath), c.opens ? LockText(getpid()) : c.content);

        PortChoice choice;
        choice.lockFolder = locks.path;
        choice.source.scanDevices = [&] { return std::vector<std::string>{pty.path}; };
        port.Close();
        ProbePorts(choice);
        EXPECT_EQ(choice.portList.Count(), c.opens ? 1u : 0u);
    }
}

// A lock file that is a symbolic link to nothing names no process: it is stale like a dead
// owner's, and the line is free. Where the link may not be removed (a shared sticky folder,
// another user's link) the line is reported as locked by that file, never by a "pid 0".
TEST(UucpLock, ALinkToNothingIsAStaleLock) {
    Pty pty;
    TempFolder locks;
    const auto lockPath = locks.path / LockFileName(pty.path);
    std::filesystem::create_symlink(locks.path / "gone", lockPath);

    PosixSerialPort port(locks.path);
    const PortResult result = port.Open(pty.path);
    ASSERT_TRUE(result) << result.message;
    EXPECT_FALSE(std::filesystem::is_symlink(lockPath));
    EXPECT_EQ(ReadAll(lockPath), LockText(getpid()));
    port.Close();

    if (getuid() != 0) {
        GTEST_SKIP() << "needs root to plant a link an ordinary user may not remove";
    }
    std::filesystem::create_symlink(locks.path / "gone", lockPath);
    ASSERT_EQ(chmod(locks.path.c_str(), 01777), 0);
    const int refused = testing::AsNobody([&] {
        PosixSerialPort other(locks.path);
        const PortResult busy = other.Open(pty.path);
        std::fprintf(stderr, "%s\n", busy.message.c_str());
        const bool named = busy.message.find(lockPath.string()) != std::string::npos &&
                           busy.message.find("names no process") != std::string::npos;
        return busy.error == PortError::InUse && named &&
                       busy.message.find("pid 0") == std::string::npos
                   ? 0
                   : 1;
    });
    if (refused < 0) {
        GTEST_SKIP() << "cannot drop privileges here";
    }
    EXPECT_EQ(refused, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(lockPath)) << "another user's link is left alone";
}

}  // namespace
}  // namespace radioprog
