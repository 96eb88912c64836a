// Passwords beyond ASCII, between radioprog-cli and radiosim.

#include <gtest/gtest.h>

#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog::e2e {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::Radiosim;
using testing::RunProgram;
using testing::TempFolder;

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

// The radio stores what the tool sends; a password with accented letters must open the
// radio it was given to, and its limit is the radio's 12 bytes, not 12 letters.
TEST(PasswordText, AnAccentedPasswordOpensTheRadioItProtects) {
    TempFolder folder;
    const std::string password = Repeat("é", 6);  // two bytes each: exactly full
    Radiosim sim({"--password", password});
    ASSERT_FALSE(sim.Device().empty());
    const testing::CliTool cli(folder.Path());

    const CliRun opened =
        cli({"read", "--device", sim.Device(), "--password", password, "-o", folder.File("a")});
    EXPECT_EQ(opened.exitCode, 0) << opened.err;
    const CliRun wrong = cli(
        {"read", "--device", sim.Device(), "--password", Repeat("e", 6), "-o", folder.File("b")});
    EXPECT_EQ(wrong.exitCode, 2) << wrong.err;

    struct Refused {
        std::string password;
        std::string says;
    };
    for (const Refused& r :
         {Refused{Repeat("é", 7),
                  "at most 12 bytes in the radio's character set; this one takes 14"},
          Refused{"pass\xF0\x9F\x93\xBB",
                  "\"\xF0\x9F\x93\xBB\", a character the radio cannot store"}}) {
        const CliRun run = cli(
            {"read", "--device", sim.Device(), "--password", r.password, "-o", folder.File("c")});
        EXPECT_EQ(run.exitCode, 64);
        EXPECT_NE(run.err.find(r.says), std::string::npos) << run.err;
        const CliRun simRun =
            RunProgram({BinDir() + "/radiosim", "--password", r.password}, folder.Path());
        EXPECT_NE(simRun.exitCode, 0);
        EXPECT_NE(simRun.err.find(r.says), std::string::npos) << simRun.err;
    }
}

}  // namespace
}  // namespace radioprog::e2e
