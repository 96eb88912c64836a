#include "port/PortMap.h"

#include <gtest/gtest.h>

#include <fstream>

#include "PtyFixture.h"

namespace radioprog {
namespace {

using testing::TempFolder;

TEST(PortMap, ExplicitEntriesWinAndTheRestFillInOrderWithoutRepeats) {
    const std::map<int, std::string> explicitPorts = {{2, "/dev/ttyUSB1"}, {5, "/dev/special"}};
    const std::vector<std::string> present = {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyACM0",
                                              "/dev/ttyS0"};
    PortMap map = BuildPortMap(explicitPorts, present);

    EXPECT_EQ(map.PathOf(1), "/dev/ttyUSB0");
    EXPECT_EQ(map.PathOf(2), "/dev/ttyUSB1");
    EXPECT_EQ(map.PathOf(3), "/dev/ttyACM0");  // ttyUSB1 is taken by COM2, not listed twice
    EXPECT_EQ(map.PathOf(4), "/dev/ttyS0");
    EXPECT_EQ(map.PathOf(5), "/dev/special");
    for (int n : {6, 7, 8, 9}) {
        EXPECT_FALSE(map.HasDevice(n)) << n;
    }
}

TEST(PortMap, OnlyNumbersOneToNineEverHaveADevice) {
    std::vector<std::string> present;
    for (int i = 0; i < 12; ++i) {
        present.push_back("/dev/ttyS" + std::to_string(i));
    }
    PortMap map = BuildPortMap({{0, "/dev/zero-port"}, {10, "/dev/ten"}}, present);
    EXPECT_FALSE(map.HasDevice(0));
    EXPECT_FALSE(map.HasDevice(10));
    EXPECT_FALSE(map.HasDevice(-1));
    EXPECT_EQ(map.PathOf(1), "/dev/ttyS0");
    EXPECT_EQ(map.PathOf(9), "/dev/ttyS8");
}

TEST(PortMap, ScanListsUsbThenAcmThenBuiltInInNaturalOrder) {
    TempFolder dev;
    for (const char* name : {"ttyS10", "ttyS2", "ttyUSB1", "ttyACM0", "ttyUSB0", "ttyS0", "tty",
                             "ttyUSBx", "ttyS1a", "console", "ttyprintk"}) {
        std::ofstream(dev.path / name).put('\0');
    }
    const std::string base = dev.path.string() + "/";
    EXPECT_EQ(ScanSerialDevices(dev.path.string()),
              (std::vector<std::string>{base + "ttyUSB0", base + "ttyUSB1", base + "ttyACM0",
                                        base + "ttyS0", base + "ttyS2", base + "ttyS10"}));
}

TEST(PortMap, ScanOfAMissingFolderFindsNothing) {
    EXPECT_TRUE(ScanSerialDevices("/nonexistent/radioprog-dev").empty());
}

TEST(PortMap, ReadsOnlyWellFormedComKeysOfThePortsSection) {
    TempFolder folder;
    const auto ini = folder.path / "_config.ini";
    std::ofstream(ini) << "[config]\nPort=3\nCOM4=/dev/not-here\n"
                          "[ports]\nCOM1=/dev/ttyUSB3\ncom7 = /dev/ttyACM2\nCOM0=/dev/a\n"
                          "COM10=/dev/b\nCOM01=/dev/c\nCOM2=\nLPT1=/dev/d\n";
    EXPECT_EQ(ReadExplicitPorts(ini.string()),
              (std::map<int, std::string>{{1, "/dev/ttyUSB3"}, {7, "/dev/ttyACM2"}}));
    EXPECT_TRUE(ReadExplicitPorts((folder.path / "missing.ini").string()).empty());
}

// A hand-made map survives a line the reader does not know, as every other setting does.
TEST(PortMap, AStrayLineElsewhereInTheFileKeepsTheMap) {
    TempFolder folder;
    const auto ini = folder.path / "_config.ini";
    std::ofstream(ini) << "[config] ; bench 2\nPort=3\nverbose\n[ports]\r\nCOM1=/dev/ttyUSB3\n\x1A";
    EXPECT_EQ(ReadExplicitPorts(ini.string()), (std::map<int, std::string>{{1, "/dev/ttyUSB3"}}));
}

}  // namespace
}  // namespace radioprog
