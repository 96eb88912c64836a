// Several radios at once from the command line: which failure the exit status names, and which
// devices --all-ports takes.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "cli/BenchReport.h"
#include "cli/CliContext.h"
#include "cli/CliSessionHost.h"
#include "cli/SeveralRadios.h"
#include "port/PosixSerialPort.h"
#include "support/TempFolder.h"

namespace radioprog::cli {
namespace {

BenchResult Ended(SessionOutcome outcome, bool backupRefused = false) {
    BenchResult result;
    result.outcome = outcome;
    result.backupRefused = backupRefused;
    return result;
}

// A script reads one status for the whole bench: success only when every radio succeeded,
// else the failure the exit code table lists first, whatever order the radios ended in.
TEST(SeveralRadiosExitCode, IsTheFirstFailureOfTheCodeTable) {
    using O = SessionOutcome;
    const struct {
        std::vector<BenchResult> results;
        int code;
    } cases[] = {
        {{Ended(O::Success), Ended(O::Success)}, kExitSuccess},
        {{Ended(O::Success), Ended(O::Closed), Ended(O::VerifyFailed)}, kExitCommunicationFalse},
        {{Ended(O::Closed), Ended(O::PasswordError)}, kExitPasswordError},
        {{Ended(O::WrittenUnverified), Ended(O::OldVersion)}, kExitOldVersion},
        // A backup that could not be kept stopped the write: a file error, as for one radio.
        {{Ended(O::Closed), Ended(O::CommunicationFalse, true)}, kExitFileError},
        {{Ended(O::Success), Ended(O::Closed)}, kExitInterrupted},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BenchExitCode(c.results), c.code);
    }
}

struct Pty {
    int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    std::string path = [this] {
        char name[128] = {};
        return master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0 &&
                       ptsname_r(master, name, sizeof name) == 0
                   ? std::string(name)
                   : std::string();
    }();
    ~Pty() { close(master); }
};

// Configured devices come first, a device found twice is taken once, and one that is absent
// or held by another program is no radio to write.
TEST(SeveralRadiosAllPorts, TakesEveryPresentFreeDeviceOnce) {
    testing::TempFolder locks;
    Pty configured, scanned, held;
    ASSERT_FALSE(configured.path.empty());
    PosixSerialPort holder(locks.Path().string());
    ASSERT_TRUE(holder.Open(held.path));

    PortChoice choice;
    choice.lockFolder = locks.Path().string();
    choice.source.explicitPorts = {{3, configured.path}, {4, "/dev/no-such-device"}};
    choice.source.scanDevices = [&] {
        return std::vector<std::string>{scanned.path, configured.path, held.path};
    };
    EXPECT_EQ(PresentSerialDevices(choice),
              (std::vector<std::string>{configured.path, scanned.path}));
}

}  // namespace
}  // namespace radioprog::cli
