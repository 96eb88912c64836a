// The radiosim program on a real pseudo-terminal, talked to through PosixSerialPort.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "RadioSimulator.h"
#include "port/PosixSerialPort.h"
#include "session/PasswordBlock.h"
#include "support/BlockMessages.h"
#include "support/Programs.h"

namespace radioprog {
namespace {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

std::string RadiosimPath() {
    return testing::BinDir().empty() ? std::string() : testing::BinDir() + "/radiosim";
}

using testing::Radiosim;

// Opens the port the way a session does.
void OpenLine(PosixSerialPort& port, const std::string& device) {
    ASSERT_TRUE(port.Open(device)) << device;
    ASSERT_TRUE(port.SetQueueSizes(kSessionQueueBytes, kSessionQueueBytes));
    ASSERT_TRUE(port.ApplyLineSettings(Set_dcb()));
    ASSERT_TRUE(port.Purge());
}

// Sends request and collects the reply, waiting up to two seconds for `expected` bytes
// (or a quarter of a second past them, to see any byte too many).
Bytes Exchange(PosixSerialPort& port, const Bytes& request, size_t expected) {
    EXPECT_EQ(port.Write(request), request.size());
    Bytes reply;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    auto settle = std::chrono::steady_clock::time_point::max();
    while (std::chrono::steady_clock::now() < std::min(deadline, settle)) {
        uint8_t buffer[256];
        reply.insert(reply.end(), buffer, buffer + port.Read(buffer));
        if (reply.size() >= expected && settle == std::chrono::steady_clock::time_point::max()) {
            settle =
                std::chrono::steady_clock::now() + std::chrono::milliseconds(expected ? 50 : 250);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return reply;
}

Bytes Text(std::string_view text) {
    return Bytes(text.begin(), text.end());
}
Bytes Read(uint16_t address) {
    return testing::ReadRequest(address);
}
Bytes Write(uint16_t address, const Bytes& data) {
    return testing::BlockMessage(address, data);
}

class RadiosimProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        if (RadiosimPath().empty() || access(RadiosimPath().c_str(), X_OK) != 0) {
            GTEST_FAIL() << "RADIOPROG_BIN_DIR must name the folder holding radiosim";
        }
        char pattern[] = "/tmp/radiosim-test-XXXXXX";
        folder_ = mkdtemp(pattern);
    }
    void TearDown() override {
        if (!folder_.empty()) {
            fs::remove_all(folder_);
        }
    }
    fs::path folder_;
};

TEST_F(RadiosimProgram, CurrentRadioServesSessionAfterSessionOnOneLine) {
    for (const char* kind : {"S", "Y"}) {
        SCOPED_TRACE(kind);
        Radiosim radiosim({"--kind", kind});
        ASSERT_FALSE(radiosim.Device().empty());
        const Bytes block = {0xDE, 0xAD, 0xBE, 0xEF, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        // The tool closes and reopens the port between sessions; the line must stay up.
        for (int session = 0; session < 3; ++session) {
            SCOPED_TRACE(session);
            PosixSerialPort port;
            OpenLine(port, radiosim.Device());
            EXPECT_EQ(Exchange(port, Text("PROGRAM"), 1), Bytes{static_cast<uint8_t>(kind[0])});
            if (session == 0) {
                EXPECT_EQ(Exchange(port, Write(0x8080, block), 1), Bytes{0x06});
            }
            Bytes reply = Exchange(port, Read(0x8080), 20);
            ASSERT_EQ(reply.size(), 20u);
            EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 4), (Bytes{'W', 0x80, 0x80, 0x10}));
            EXPECT_EQ(Bytes(reply.begin() + 4, reply.end()), block);
            EXPECT_EQ(Exchange(port, Text("E"), 0), Bytes{});
            port.Close();
        }
        EXPECT_EQ(radiosim.Stop(), 0);
    }
}

TEST_F(RadiosimProgram, LegacyRadioRunsItsIdentificationAndAckRounds) {
    Radiosim radiosim({"--kind", "legacy"});
    for (int session = 0; session < 2; ++session) {
        SCOPED_TRACE(session);
        PosixSerialPort port;
        OpenLine(port, radiosim.Device());
        EXPECT_EQ(Exchange(port, Text("PROGRAM"), 1), Bytes{0x06});
        EXPECT_EQ(Exchange(port, {0x02}, 8), (Bytes{'K', '7', '0', '4', '1', '5', 0xF8, 0xFF}));
        EXPECT_EQ(Exchange(port, {0x06}, 1), Bytes{0x06});
        for (uint16_t address : {0x0010, 0x0020, 0x01F0}) {
            Bytes reply = Exchange(port, Read(address), 20);
            ASSERT_EQ(reply.size(), 20u);
            EXPECT_EQ(reply[0], 'W');
            EXPECT_EQ(Exchange(port, {0x06}, 1), Bytes{0x06});
        }
        port.Close();
    }
}

TEST_F(RadiosimProgram, MemoryAndPasswordOutliveARestart) {
    const std::string memory = (folder_ / "radio.bin").string();
    const Bytes block(16, 0x3C);
    {
        Radiosim radiosim({"--memory", memory, "--password", "2468"});
        PosixSerialPort port;
        OpenLine(port, radiosim.Device());
        EXPECT_EQ(Exchange(port, Text("PROGRAM"), 1), Bytes{'S'});
        EXPECT_EQ(Exchange(port, Write(0x8093, block), 1), Bytes{0x06});
        Exchange(port, Text("E"), 0);
        // Written at the end byte already, not only on exit.
        std::ifstream saved(memory, std::ios::binary);
        Bytes bytes((std::istreambuf_iterator<char>(saved)), {});
        ASSERT_EQ(bytes.size(), kRadioAddressSpace);
        EXPECT_TRUE(std::equal(block.begin(), block.end(), bytes.begin() + 0x8093));
        port.Close();
        EXPECT_EQ(radiosim.Stop(), 0);
    }
    Radiosim again({"--memory", memory});
    PosixSerialPort port;
    OpenLine(port, again.Device());
    EXPECT_EQ(Exchange(port, Text("PROGRAM"), 1), Bytes{'S'});
    Bytes reply = Exchange(port, Read(0x8093), 20);
    ASSERT_EQ(reply.size(), 20u);
    EXPECT_EQ(Bytes(reply.begin() + 4, reply.end()), block);
    Bytes password = Exchange(port, Read(kPasswordBlockAddress), 20);
    ASSERT_EQ(password.size(), 20u);
    std::span<const uint8_t, kPasswordBlockSize> passwordBlock(password.data() + 4,
                                                               kPasswordBlockSize);
    EXPECT_TRUE(CheckPasswordBlock(passwordBlock, "2468"));
    EXPECT_FALSE(CheckPasswordBlock(passwordBlock, "1357"));
}

TEST_F(RadiosimProgram, LinkStatusAndFaultOptionsTakeEffect) {
    const fs::path link = folder_ / "radio-port";
    {
        Radiosim radiosim({"--link", link.string(), "--status", "01 02 03 04 05 06 07 08 09 0a 0b",
                           "--first-byte", "0x41"});
        ASSERT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(fs::read_symlink(link).string(), radiosim.Device());
        PosixSerialPort port;
        OpenLine(port, link.string());
        EXPECT_EQ(Exchange(port, Text("YR"), 13),
                  (Bytes{0x41, 'S', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        port.Close();
        EXPECT_EQ(radiosim.Stop(), 0);
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(link))) << "the link goes with the simulator";

    Radiosim silent({"--silent-after", "1"});
    PosixSerialPort port;
    OpenLine(port, silent.Device());
    EXPECT_EQ(Exchange(port, Text("PROGRAM"), 1), Bytes{'S'});
    EXPECT_EQ(Exchange(port, Read(0x4000), 0), Bytes{});
}

// Radios of one process are radios of their own: a write to one never shows on another, and
// each has its numbered link and memory file.
TEST_F(RadiosimProgram, CountGivesRadiosOfTheirOwn) {
    const fs::path link = folder_ / "bench";
    const fs::path memory = folder_ / "memory";
    {
        Radiosim radiosim({"--count", "3", "--link", link.string(), "--memory", memory.string()},
                          3);
        ASSERT_EQ(radiosim.Devices().size(), 3u);
        for (int n = 1; n <= 3; ++n) {
            const fs::path own = link.string() + std::to_string(n);
            ASSERT_TRUE(fs::is_symlink(own)) << own;
            EXPECT_EQ(fs::read_symlink(own).string(), radiosim.Devices()[n - 1]);
        }
        const Bytes block = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
        PosixSerialPort second;
        OpenLine(second, link.string() + "2");
        EXPECT_EQ(Exchange(second, Text("PROGRAM"), 1), Bytes{'S'});
        EXPECT_EQ(Exchange(second, Write(0x8080, block), 1), Bytes{0x06});
        const Bytes stored = Exchange(second, Read(0x8080), 20);
        ASSERT_EQ(stored.size(), 20u);
        EXPECT_EQ(Bytes(stored.begin() + 4, stored.end()), block);
        second.Close();
        for (const char* other : {"1", "3"}) {
            PosixSerialPort port;
            OpenLine(port, link.string() + other);
            EXPECT_EQ(Exchange(port, Text("PROGRAM"), 1), Bytes{'S'}) << other;
            const Bytes reply = Exchange(port, Read(0x8080), 20);
            ASSERT_EQ(reply.size(), 20u) << other;
            EXPECT_NE(Bytes(reply.begin() + 4, reply.end()), block) << "radio " << other;
            port.Close();
        }
        EXPECT_EQ(radiosim.Stop(), 0);
    }
    for (int n = 1; n <= 3; ++n) {
        EXPECT_FALSE(fs::exists(fs::symlink_status(link.string() + std::to_string(n))));
        EXPECT_TRUE(fs::exists(memory.string() + std::to_string(n))) << n;
    }
}

TEST_F(RadiosimProgram, RefusesMalformedOptionsAndExplainsTheRest) {
    auto run = [](const std::string& options) {
        const std::string command = RadiosimPath() + " " + options + " >/dev/null 2>&1";
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    // One status for every failure of the simulator, whoever found it.
    for (const char* options : {"--kind Z", "--status 0102", "--first-byte zz", "--drop-byte -1",
                                "--first-reply-delay -1", "--drop-write 0x10000",
                                "--drop-write 12z", "--drop-write 0x4010 0x8080", "--count 0",
                                "--killed-after-writes 0", "--no-such-option"}) {
        EXPECT_EQ(run(options), 2) << options;
    }
    // Refused before serving; one that took it would serve until the time limit stops it.
    const std::string tooLong =
        "timeout 5 " + RadiosimPath() + " --password thirteen-long >/dev/null 2>&1";
    const int status = std::system(tooLong.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
    const std::string help = RadiosimPath() + " --help";
    FILE* out = popen(help.c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string text;
    char buffer[512];
    while (size_t n = fread(buffer, 1, sizeof buffer, out)) {
        text.append(buffer, n);
    }
    EXPECT_EQ(pclose(out), 0);
    for (const char* option :
         {"--kind", "--password", "--memory", "--link", "--pace", "--reply-delay", "--status",
          "--silent", "--first-byte", "--drop-byte", "--extra-byte", "--silent-after",
          "--first-reply-delay", "--drop-write", "--count", "--killed-after-writes",
          "Exit status: 0 when stopped", "2 on any failure"}) {
        EXPECT_NE(text.find(option), std::string::npos) << option;
    }
}

// The memory file may be the user's: anything that is not a memory image (a bigger file, a
// pipe, a folder) is refused at start rather than cut or replaced, and a saved file keeps its
// mode and the link that names it.
TEST_F(RadiosimProgram, MemoryFileIsAMemoryImageOrRefusedAndKeepsItsModeAndLink) {
    auto start = [](const std::string& memory) {
        const std::string command =
            "timeout 5 " + RadiosimPath() + " --memory '" + memory + "' >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const std::string bigger = (folder_ / "bigger.bin").string();
    const std::string biggerBytes(kRadioAddressSpace + 100, '\xAB');
    std::ofstream(bigger, std::ios::binary) << biggerBytes;
    const std::string pipe = (folder_ / "pipe.bin").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(folder_ / "folder.bin");
    for (const std::string& memory : {bigger, pipe, (folder_ / "folder.bin").string()}) {
        EXPECT_EQ(start(memory), 2) << memory;
    }
    std::ifstream in(bigger, std::ios::binary);
    const std::string after(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(after.size(), biggerBytes.size());
    EXPECT_TRUE(after == biggerBytes) << "the bigger file was changed";
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);

    const std::string image = (folder_ / "radio.bin").string();
    EXPECT_EQ(Radiosim({"--memory", image}).Stop(), 0);
    ASSERT_EQ(fs::file_size(image), kRadioAddressSpace);
    ASSERT_EQ(chmod(image.c_str(), 0600), 0);
    const std::string link = (folder_ / "current.bin").string();
    fs::create_symlink("radio.bin", link);
    EXPECT_EQ(Radiosim({"--memory", link}).Stop(), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(image).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace radioprog
