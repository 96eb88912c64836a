#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "channellist/ChannelColumns.h"
#include "lang/TextCodec.h"
#include "model/ProjectFields.h"
#include "model/ProjectFile.h"
#include "model/ToneCodec.h"
#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::RunProgram;
using testing::TempFolder;

class ShowCommand : public testing::CliTest {
  protected:
    // Two channels in use with every kind of tone, one unused channel with stale contents.
    void SetUp() override {
        CliTest::SetUp();
        ProjectImage image;
        image.ResetToDefaults();
        auto first = image.Channel(1);
        first.InitialiseNew(438006250);
        first.SetRxTone(kToneDcsNormal, 0x2813);
        first.SetTxTone(kToneCtcss, 885);
        first.SetBusyFit(2);
        first.SetDtmf(true);
        first.SetSquelchMode(4);
        image.SetText(ChannelNameField(1), *EncodeCodePage("中文A", CodePage::Gbk));
        image.SetChannelValid(1, true);

        auto last = image.Channel(16);
        last.InitialiseNew(146520000);
        last.SetTxFreq(0);
        last.SetTxTone(kToneDcsInverted, 0x29EC);
        last.SetHighPower(false);
        last.SetWide(false);
        last.SetScanAdd(false);
        last.SetBusyFit(3);
        image.SetText(ChannelNameField(16), "MARINE");
        image.SetChannelValid(16, true);

        image.Channel(5).InitialiseNew(470000000);  // not in use: must not be shown

        image.Set(settings::Sql, uint8_t{7});
        image.Set(settings::Tot, uint16_t{300});
        image.Set(settings::Voice, uint8_t{2});
        image.Set(settings::SavingRate, uint8_t{4});
        ASSERT_TRUE(SaveProject(path_, image, BandLimits{136000000, 174000000}));
    }

    std::string path_ = folder_.File("hand made.Vkf");  // a space, as people name files
};

TEST_F(ShowCommand, JsonCarriesTheStoredNumbers) {
    const auto result = Cli({"show", "--json", path_});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "{\"band\":{\"lower\":136000000,\"upper\":174000000},\"channels\":["
              "{\"number\":1,\"rx\":438006250,\"tx\":438006250,\"rxTone\":\"D023N\","
              "\"txTone\":\"88.5\",\"highPower\":true,\"wide\":true,\"busyFit\":2,"
              "\"scanAdd\":true,\"name\":\"中文A\",\"dtmf\":true,\"squelchMode\":4},"
              "{\"number\":16,\"rx\":146520000,\"tx\":0,\"rxTone\":\"Off\",\"txTone\":\"D754I\","
              "\"highPower\":false,\"wide\":false,\"busyFit\":3,\"scanAdd\":false,"
              "\"name\":\"MARINE\",\"dtmf\":false,\"squelchMode\":0}],"
              "\"options\":{\"sql\":7,\"tot\":300,\"toa\":5,\"voice\":2,\"beep\":1,\"saving\":1,"
              "\"savingRate\":4}}\n");
}

TEST_F(ShowCommand, TableShowsChannelsInUseAsTheEditorDoes) {
    const auto result = Cli({"show", path_});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto& out = result.out;
    EXPECT_NE(out.find("Band: 136.00000 - 174.00000 MHz"), std::string::npos) << out;
    // A Chinese character is two columns wide on a terminal, as two letters are.
    EXPECT_NE(out.find("BCL  Name   Scan DTMF Squelch Mode\n"), std::string::npos) << out;
    EXPECT_NE(
        out.find("1   438.00625  438.00625  D023N   88.5    High  Wide   CAT  中文A  ADD  ON   "
                 "DTMF or CTC/DCS\n"),
        std::string::npos)
        << out;
    EXPECT_NE(
        out.find("16  146.52000  0          Off     D754I   Low   Narrow CAT  MARINE DEL  OFF  "
                 "Carrier\n"),
        std::string::npos)
        << out;
    EXPECT_EQ(out.find("470.00000"), std::string::npos) << "an unused channel was shown";
    EXPECT_NE(out.find("TOT            300 s"), std::string::npos) << out;
    EXPECT_NE(out.find("Voice          English"), std::string::npos) << out;
    EXPECT_NE(out.find("Saver ratio    1:4"), std::string::npos) << out;
}

// A name from a radio may hold any byte: a control character neither reaches the terminal
// nor breaks the JSON document.
TEST_F(ShowCommand, ControlCharactersInNamesStayOutOfTheOutput) {
    ProjectImage image;
    BandLimits band;
    ASSERT_TRUE(OpenProject(path_, image, band));
    for (const char control : {'\x01', '\x1B', '\x7F', '\n', '"'}) {
        image.SetText(ChannelNameField(16), std::string("A") + control + "B");
        ASSERT_TRUE(SaveProject(path_, image, band));
        const auto table = Cli({"show", path_});
        ASSERT_EQ(table.exitCode, 0) << table.err;
        const size_t row = table.out.find("\n16 ");
        ASSERT_NE(row, std::string::npos) << table.out;
        const std::string line = table.out.substr(row + 1, table.out.find('\n', row + 1) - row - 1);
        EXPECT_EQ(std::ranges::count_if(line, [](char c) { return c < 0x20 || c == 0x7F; }), 0)
            << int{control};
        const auto json = Cli({"show", "--json", path_});
        ASSERT_EQ(json.exitCode, 0) << json.err;
        const std::string expected =
            control == '"' ? std::string("\"A\\\"B\"")
                           : "\"A\\u00" + std::string(1, "0123456789abcdef"[control >> 4]) +
                                 "0123456789abcdef"[control & 15] + "B\"";
        EXPECT_NE(json.out.find("\"name\":" + expected), std::string::npos)
            << int{control} << json.out;
    }
}

// A file that is not a project is bad data for show, write and import-csv's --base alike:
// exit 65, the reason on standard error, nothing written and no radio touched.
TEST_F(ShowCommand, FilesThatAreNotProjectsExitWith65) {
    const std::string list = folder_.File("channels.csv");
    std::ofstream(list) << "NO.,RX Freq.\r\n1,146.52000\r\n";
    const std::string ini = folder_.File("_config.ini");
    std::ofstream(ini) << "[config]\nPort=1\n";
    const std::string random = folder_.File("random.Vkf");
    {
        std::mt19937 generator(4);
        std::ofstream out(random, std::ios::binary);
        for (size_t k = 0; k < 2954; ++k) {
            out.put(static_cast<char>(generator()));
        }
    }
    const std::string out = folder_.File("out.Vkf");
    for (const std::string& file : {list, ini}) {
        const auto shown = Cli({"show", file});
        EXPECT_EQ(shown.exitCode, 65) << file;
        EXPECT_NE(shown.err.find("is not a project file"), std::string::npos) << shown.err;
        EXPECT_TRUE(shown.out.empty()) << shown.out;
        // The device is never reached: the project is refused first.
        const auto written = Cli({"write", file, "--device", "/nonexistent/tty"});
        EXPECT_EQ(written.exitCode, 65) << file << written.err;
        const auto imported = Cli({"import-csv", list, "--base", file, "-o", out});
        EXPECT_EQ(imported.exitCode, 65) << file << imported.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    // Random bytes hold no band the radio takes: shown with a notice, never written.
    const auto shown = Cli({"show", random});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_NE(shown.err.find("is not one the radio accepts"), std::string::npos) << shown.err;
    const auto written = Cli({"write", random, "--allow-empty", "--device", "/nonexistent/tty"});
    EXPECT_EQ(written.exitCode, 65) << written.err;
    EXPECT_NE(written.err.find("band dialog"), std::string::npos) << written.err;
}

TEST_F(ShowCommand, UnreadableFileAndBadUsageHaveTheirExitCodes) {
    const auto missing = Cli({"show", folder_.File("none.Vkf")});
    EXPECT_EQ(missing.exitCode, 66);
    EXPECT_NE(missing.err.find("none.Vkf"), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("No such file"), std::string::npos) << missing.err;

    EXPECT_EQ(Cli({}).exitCode, 64);
    EXPECT_EQ(Cli({"show"}).exitCode, 64);
    EXPECT_EQ(Cli({"show", "--no-such-flag", "x"}).exitCode, 64);
    EXPECT_EQ(Cli({"--help"}).exitCode, 0);
}

}  // namespace
}  // namespace radioprog
