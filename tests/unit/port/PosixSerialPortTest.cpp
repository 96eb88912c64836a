#include "port/PosixSerialPort.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <fstream>
#include <thread>

#include "PtyFixture.h"

namespace radioprog {
namespace {

using testing::AsNobody;
using testing::LockHolder;
using testing::Pty;
using testing::TempFolder;

std::vector<uint8_t> ReadMaster(int master, size_t count) {
    std::vector<uint8_t> bytes;
    while (bytes.size() < count) {
        pollfd p{master, POLLIN, 0};
        if (poll(&p, 1, 2000) <= 0) {
            break;
        }
        uint8_t buffer[256];
        ssize_t n = read(master, buffer, std::min(sizeof buffer, count - bytes.size()));
        if (n <= 0) {
            break;
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

// Waits (bounded) until the port reports count bytes, then reads them.
std::vector<uint8_t> ReadPort(PosixSerialPort& port, size_t count) {
    for (int i = 0; i < 200 && port.BytesWaiting() < count; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::vector<uint8_t> bytes(count + 8);
    bytes.resize(port.Read(bytes));
    return bytes;
}

TEST(PosixSerialPort, FailedOpensSayWhy) {
    TempFolder folder;
    const auto file = folder.path / "plain-file";
    std::ofstream(file) << "not a device";
    Pty held;
    LockHolder holder(held.path);
    ASSERT_TRUE(holder.Held());

    struct Case {
        std::string path;
        PortError error;
    };
    for (const Case& c :
         {Case{"/dev/radioprog-missing", PortError::NoSuchDevice},
          Case{folder.path.string(), PortError::NotSerial},
          Case{file.string(), PortError::NotSerial}, Case{"/dev/null", PortError::NotSerial},
          Case{held.path, PortError::InUse}}) {
        PosixSerialPort port;
        PortResult result = port.Open(c.path);
        EXPECT_EQ(result.error, c.error) << c.path;
        EXPECT_FALSE(result.message.empty()) << c.path;
        EXPECT_NE(result.message.find(c.path), std::string::npos) << result.message;
        EXPECT_FALSE(port.IsOpen()) << c.path;
    }
}

TEST(PosixSerialPort, NoPermissionSaysWhatWouldGrantIt) {
    if (getuid() != 0) {
        GTEST_SKIP() << "needs root to set up a device another user may not open";
    }
    struct Case {
        mode_t mode;
        const char* advice;
        const char* neverSaid;
    };
    for (const Case& c : {Case{0660, "usermod -aG tty", "udev"},
                          Case{0600, "Only root can open it. A udev rule", "usermod"}}) {
        Pty pty;
        group* tty = getgrnam("tty");
        ASSERT_NE(tty, nullptr);
        ASSERT_EQ(chown(pty.path.c_str(), 0, c.mode == 0600 ? 0 : tty->gr_gid), 0);
        chmod(pty.path.c_str(), c.mode);
        int code = AsNobody([&] {
            PosixSerialPort port;
            PortResult result = port.Open(pty.path);
            if (result.error != PortError::NoPermission) {
                return 1;
            }
            return result.message.find(c.advice) != std::string::npos &&
                           result.message.find(c.neverSaid) == std::string::npos
                       ? 0
                       : 2;
        });
        if (code < 0) {
            GTEST_SKIP() << "cannot drop privileges here";
        }
        EXPECT_EQ(code, 0) << std::oct << c.mode;
    }
}

// The exclusive flag stays on the terminal while anyone else keeps it open (as the simulator
// does); a port that forgot to clear it would lock the user out of the second session.
TEST(PosixSerialPort, AnOrdinaryUserCanReopenAfterClose) {
    if (getuid() != 0) {
        GTEST_SKIP() << "needs root to hand the device to another user";
    }
    Pty pty;
    int keepAlive = open(pty.path.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(keepAlive, 0);
    passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(chown(pty.path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    int code = AsNobody([&] {
        PosixSerialPort port;
        for (int round = 0; round < 3; ++round) {
            if (!port.Open(pty.path)) {
                return 10 + round;
            }
            port.Close();
        }
        return 0;
    });
    close(keepAlive);
    if (code < 0) {
        GTEST_SKIP() << "cannot drop privileges here";
    }
    EXPECT_EQ(code, 0);
}

TEST(PosixSerialPort, CarriesEveryByteValueUnchangedBothWays) {
    Pty pty;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(pty.path));
    ASSERT_TRUE(port.ApplyLineSettings(Set_dcb()));
    ASSERT_TRUE(port.SetQueueSizes(kSessionQueueBytes, kSessionQueueBytes));
    ASSERT_TRUE(port.Purge());

    // Control characters a cooked line would translate or act on: CR, LF, XON, XOFF,
    // interrupt, end of file, NUL, 0xFF.
    std::vector<uint8_t> all(256);
    for (size_t i = 0; i < all.size(); ++i) {
        all[i] = static_cast<uint8_t>(i);
    }
    EXPECT_EQ(port.Write(all), all.size());
    EXPECT_EQ(ReadMaster(pty.master, all.size()), all);

    ASSERT_EQ(write(pty.master, all.data(), 200), 200);
    std::vector<uint8_t> received = ReadPort(port, 200);
    EXPECT_EQ(received, std::vector<uint8_t>(all.begin(), all.begin() + 200));
}

TEST(PosixSerialPort, ReadsReturnAtOnceWhenNothingWaits) {
    Pty pty;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(pty.path));
    ASSERT_TRUE(port.ApplyLineSettings(Set_dcb()));
    std::vector<uint8_t> buffer(16);
    EXPECT_EQ(port.BytesWaiting(), 0u);
    EXPECT_EQ(port.Read(buffer), 0u);
}

TEST(PosixSerialPort, PurgeDropsWhatWasWaiting) {
    Pty pty;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(pty.path));
    ASSERT_TRUE(port.ApplyLineSettings(Set_dcb()));
    const uint8_t stale[] = {'S', 'S', 'S'};
    ASSERT_EQ(write(pty.master, stale, sizeof stale), 3);
    for (int i = 0; i < 200 && port.BytesWaiting() < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_EQ(port.BytesWaiting(), 3u);
    ASSERT_TRUE(port.Purge());
    EXPECT_EQ(port.BytesWaiting(), 0u);

    ASSERT_EQ(write(pty.master, stale, sizeof stale), 3);
    for (int i = 0; i < 200 && port.BytesWaiting() < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(port.PurgeInput());
    EXPECT_EQ(port.BytesWaiting(), 0u);
}

TEST(PosixSerialPort, AppliesTheSessionLine) {
    Pty pty;
    PosixSerialPort port;
    ASSERT_TRUE(port.Open(pty.path));
    ASSERT_TRUE(port.ApplyLineSettings(Set_dcb()));
    int fd = open(pty.path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);  // root passes the exclusive flag; flock is advisory for plain opens
    termios tio{};
    ASSERT_EQ(tcgetattr(fd, &tio), 0);
    close(fd);
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B9600));
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | INLCR | ISTRIP), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
}

TEST(PosixSerialPort, ClosedPortRefusesWork) {
    PosixSerialPort port;
    const uint8_t byte = 0x45;
    std::vector<uint8_t> buffer(4);
    EXPECT_FALSE(port.ApplyLineSettings(Set_dcb()));
    EXPECT_FALSE(port.Purge());
    EXPECT_EQ(port.Write({&byte, 1}), 0u);
    EXPECT_EQ(port.Read(buffer), 0u);
    EXPECT_EQ(port.BytesWaiting(), 0u);
}

}  // namespace
}  // namespace radioprog
