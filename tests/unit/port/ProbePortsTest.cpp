#include <gtest/gtest.h>
#include <sys/inotify.h>

#include <fstream>
#include <memory>

#include "PtyFixture.h"
#include "port/PortChoice.h"

namespace radioprog {
namespace {

using testing::LockHolder;
using testing::Pty;
using testing::TempFolder;

std::vector<int> Listed(const PortList& list) {
    auto numbers = list.Numbers();
    return {numbers.begin(), numbers.end()};
}

PortChoice ChoiceOver(std::vector<std::string> devices) {
    PortChoice choice;
    choice.source.scanDevices = [devices] { return devices; };
    return choice;
}

TEST(ProbePorts, ListsTheDevicesThatOpenAndSkipsTheOnesThatDoNot) {
    Pty first, second, third;
    ASSERT_FALSE(third.path.empty());
    PortChoice choice = ChoiceOver({first.path, "/dev/radioprog-no-such-device", second.path});
    choice.source.explicitPorts = {{6, third.path}};

    ProbePorts(choice);

    EXPECT_EQ(Listed(choice.portList), (std::vector<int>{1, 3, 6}));
    EXPECT_EQ(choice.map.PathOf(3), second.path);
}

TEST(ProbePorts, LeavesOutADeviceAnotherProcessHolds) {
    Pty free, held;
    LockHolder holder(held.path);
    ASSERT_TRUE(holder.Held());
    PortChoice choice = ChoiceOver({held.path, free.path});

    ProbePorts(choice);

    EXPECT_EQ(Listed(choice.portList), (std::vector<int>{2}));
}

TEST(ProbePorts, RewritesTheListFromEmptyEachTime) {
    Pty a, b;
    auto devices =
        std::make_shared<std::vector<std::string>>(std::vector<std::string>{a.path, b.path});
    PortChoice choice;
    choice.source.scanDevices = [devices] { return *devices; };
    ProbePorts(choice);
    ASSERT_EQ(Listed(choice.portList), (std::vector<int>{1, 2}));

    devices->pop_back();  // the second cable was pulled
    ProbePorts(choice);
    EXPECT_EQ(Listed(choice.portList), (std::vector<int>{1}));
}

TEST(ProbePorts, LeavesTheDeviceFreeAfterProbing) {
    Pty pty;
    PortChoice choice = ChoiceOver({pty.path});
    ProbePorts(choice);
    ASSERT_EQ(Listed(choice.portList), (std::vector<int>{1}));
    LockHolder holder(pty.path);
    EXPECT_TRUE(holder.Held());
}

// Devices past the ninth must not even be opened: a probe could disturb what sits there.
TEST(ProbePorts, NeverTouchesDevicesBeyondTheNinth) {
    std::vector<std::unique_ptr<Pty>> ptys;
    std::vector<std::string> devices;
    for (int i = 0; i < 9; ++i) {
        ptys.push_back(std::make_unique<Pty>());
        devices.push_back(ptys.back()->path);
    }
    TempFolder folder;
    int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    for (int i = 10; i <= 12; ++i) {
        const auto extra = folder.path / ("ttyS" + std::to_string(i));
        std::ofstream(extra).put('\0');
        devices.push_back(extra.string());
    }
    ASSERT_GE(inotify_add_watch(watch, folder.path.c_str(), IN_OPEN), 0);
    PortChoice choice = ChoiceOver(devices);
    choice.source.explicitPorts = {{10, devices[9]}};

    ProbePorts(choice);

    EXPECT_EQ(Listed(choice.portList), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    char events[4096];
    EXPECT_LT(read(watch, events, sizeof events), 0) << "a device beyond the ninth was opened";
    close(watch);
}

TEST(PortChoice, PortNumberFallsBackToOneWhenNotPresent) {
    struct Case {
        std::vector<int> present;
        int portNumber;
        int expected;
    };
    for (const Case& c : {Case{{3, 5}, 4, 1}, Case{{3, 5}, 5, 5}, Case{{}, 7, 1},
                          Case{{1, 2}, 12, 1}, Case{{2}, 2, 2}}) {
        PortChoice choice;
        for (int n : c.present) {
            choice.portList.Append(n);
        }
        choice.portNumber = c.portNumber;
        KeepPortNumberPresent(choice);
        EXPECT_EQ(choice.portNumber, c.expected) << c.portNumber;
    }
}

TEST(PortChoice, ListHoldsEachNumberOneToNineAtMostOnce) {
    PortList list;
    EXPECT_FALSE(list.Append(0));
    EXPECT_FALSE(list.Append(10));
    EXPECT_TRUE(list.Append(4));
    EXPECT_FALSE(list.Append(4));
    for (int n = 1; n <= 9; ++n) {
        list.Append(n);
    }
    EXPECT_EQ(list.Count(), 9u);
    EXPECT_EQ(list[0], 4);
    EXPECT_TRUE(list.Contains(9));
    EXPECT_FALSE(list.Contains(10));
}

}  // namespace
}  // namespace radioprog
