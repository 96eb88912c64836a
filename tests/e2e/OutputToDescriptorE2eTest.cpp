// The commands that read a radio into a file take "-", /dev/stdout and /dev/fd/N as the
// descriptor the shell handed over, as every other command's output does.

#include <gtest/gtest.h>

#include "support/CliCommandTable.h"
#include "support/CliTest.h"
#include "support/DescriptorOutputCheck.h"
#include "support/Programs.h"

namespace radioprog::e2e {
namespace {

using OutputToDescriptorE2e = testing::CliTest;

TEST_F(OutputToDescriptorE2e, EveryRadioReadWritesWhereTheShellRedirected) {
    testing::Radiosim sim({"--kind", "S"});
    ASSERT_FALSE(sim.Device().empty());
    int checked = 0;
    for (const auto& command : testing::ToolCommands()) {
        if (command.readsRadio && command.Takes(cli::kOutputArgument)) {
            testing::ExpectOutputThroughDescriptors(cli_, command, {}, sim.Device(),
                                                    folder_.Path());
            ++checked;
        }
    }
    EXPECT_GE(checked, 2);  // read, calibration read
}

}  // namespace
}  // namespace radioprog::e2e
