// A job ended by its terminal closing (SIGHUP) or by SIGQUIT: the line must be left as free as
// after Ctrl-C, or every later run finds it "in use" with nobody holding it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "port/PosixSerialPort.h"
#include "port/UucpLock.h"
#include "support/CliTest.h"
#include "support/Programs.h"

namespace radioprog::e2e {
namespace {

using testing::BinDir;
using testing::Radiosim;

namespace fs = std::filesystem;

class HangUpTest : public testing::CliTest {
  protected:
    // A read of a radio that never answers, so the job is still running when the signal comes;
    // with ignoreHangUp the tool starts as nohup would start it.
    pid_t StartRead(const std::string& device, bool ignoreHangUp = false) {
        const std::vector<std::string> args =
            CliCommand({"read", "--device", device, "-o", Path("a.Vkf")});
        const pid_t pid = fork();
        if (pid == 0) {
            std::freopen(Path("stderr.txt").c_str(), "w", stderr);
            if (ignoreHangUp) {
                signal(SIGHUP, SIG_IGN);
            }
            testing::ExecProgram(args);
        }
        // Past the port's settling: the line is open, locked and marked exclusive.
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        return pid;
    }

    std::string Err() const { return testing::ReadAll(Path("stderr.txt")); }
};

bool ExclusiveFlagSet(const std::string& device) {
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    int exclusive = 0;
    const bool set = fd >= 0 && ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
    if (fd >= 0) {
        close(fd);
    }
    return set;
}

TEST_F(HangUpTest, HangUpAndQuitStopTheJobAndFreeTheLine) {
    Radiosim sim({"--silent"});
    ASSERT_FALSE(sim.Device().empty());
    const fs::path lockFile = fs::path(kLockFolder) / LockFileName(sim.Device());
    for (const int signal : {SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(strsignal(signal));
        const pid_t pid = StartRead(sim.Device());
        ASSERT_GT(pid, 0);
        kill(pid, signal);
        EXPECT_EQ(testing::WaitAtMost(pid, std::chrono::seconds(10)), 130) << Err();
        EXPECT_NE(Err().find("Stopped."), std::string::npos) << Err();
        EXPECT_FALSE(fs::exists(Path("a.Vkf")));

        EXPECT_FALSE(ExclusiveFlagSet(sim.Device()));
        EXPECT_FALSE(fs::exists(lockFile));
        PosixSerialPort next;
        const PortResult opened = next.Open(sim.Device());
        EXPECT_TRUE(opened) << opened.message;
    }
}

// A tool started to outlive its terminal keeps working when the terminal closes.
TEST_F(HangUpTest, AnIgnoredHangUpStaysIgnored) {
    Radiosim sim({"--silent"});
    const pid_t pid = StartRead(sim.Device(), true);
    ASSERT_GT(pid, 0);
    kill(pid, SIGHUP);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    int status = 0;
    EXPECT_EQ(waitpid(pid, &status, WNOHANG), 0) << "ended by an ignored hang-up: " << Err();
    kill(pid, SIGINT);
    EXPECT_EQ(testing::WaitAtMost(pid, std::chrono::seconds(10)), 130) << Err();
}

}  // namespace
}  // namespace radioprog::e2e
