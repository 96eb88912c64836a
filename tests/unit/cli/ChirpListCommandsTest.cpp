// export-csv --format chirp and import-csv with a list in the open multi-radio format.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "channellist/ChannelColumns.h"
#include "model/ProjectFile.h"
#include "model/ToneCodec.h"
#include "support/CliTest.h"
#include "support/Programs.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

using testing::BinDir;
using testing::CliRun;
using testing::ReadAll;
using testing::RunProgram;
using testing::TempFolder;

constexpr const char* kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

class ChirpListCommands : public testing::CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        ProjectImage image;
        image.ResetToDefaults();
        for (const int n : {1, 3, 5}) {
            image.SetChannelValid(n, true);
            image.Channel(n).InitialiseNew(400000000 + static_cast<uint32_t>(n) * 6250);
        }
        image.Channel(1).SetRxTone(kToneCtcss, 885);
        image.Channel(1).SetTxTone(kToneCtcss, 885);
        image.Channel(3).SetTxFreq(410000000);
        image.Channel(3).SetTxTone(kToneDcsInverted, kDcsCodeBase + 023);
        image.Channel(5).SetTxFreq(0);
        ASSERT_TRUE(SaveProject(base_, image, kBand));
    }

    ProjectImage Open(const std::string& path) {
        ProjectImage image;
        BandLimits band;
        EXPECT_TRUE(OpenProject(path, image, band));
        return image;
    }

    static constexpr BandLimits kBand{400000000, 480000000};
    std::string base_ = folder_.File("base.Vkf");
    std::string out_ = folder_.File("out.Vkf");
};

TEST_F(ChirpListCommands, ListsAtOtherLocationsNeedRenumberAndRefusalsExit65) {
    const std::string csv = folder_.File("plan.csv");
    std::ofstream(csv) << kHeader
                       << "0,PMR1,446.006250,,0.000000,TSQL,88.5,67.0,023,NN,023,Tone->Tone,NFM,"
                          "6.25,,0.5W,,,,,\r\n"
                       << "1,RPT,439.000000,+,5.000000,Cross,100.0,88.5,023,NN,754,Tone->DTCS,FM,"
                          "5.00,S,5.0W,,,,,\r\n";
    const CliRun refused = Cli({"import-csv", csv, "--base", base_, "-o", out_});
    EXPECT_EQ(refused.exitCode, 65);
    EXPECT_NE(refused.err.find("line 2, column 1 (Location)"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(out_));

    const CliRun placed = Cli({"import-csv", csv, "--base", base_, "-o", out_, "--renumber"});
    ASSERT_EQ(placed.exitCode, 0) << placed.err;
    const ProjectImage image = Open(out_);
    EXPECT_EQ(image.Channel(1).RxFreq(), 446006250u);
    EXPECT_EQ(image.Channel(1).RxToneCode(), 670);
    EXPECT_FALSE(image.Channel(1).Wide());
    EXPECT_FALSE(image.Channel(1).HighPower());
    EXPECT_EQ(image.Channel(2).TxFreq(), 444000000u);
    EXPECT_EQ(image.Channel(2).TxToneCode(), 1000);
    EXPECT_EQ(image.Channel(2).RxToneType(), kToneDcsNormal);
    EXPECT_FALSE(image.Channel(2).ScanAdd());
}

TEST_F(ChirpListCommands, LongNamesAreShortenedOnlyWhenAsked) {
    const std::string csv = folder_.File("plan.csv");
    std::ofstream(csv) << kHeader
                       << "1,REPEATER,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,"
                          "5.00,,5.0W,,,,,\r\n";
    const CliRun refused = Cli({"import-csv", csv, "--base", base_, "-o", out_});
    EXPECT_EQ(refused.exitCode, 65);
    EXPECT_NE(refused.err.find("(Name), channel 1: \"REPEATER\" is longer"), std::string::npos)
        << refused.err;

    const CliRun cut = Cli({"import-csv", csv, "--base", base_, "-o", out_, "--shorten-names"});
    ASSERT_EQ(cut.exitCode, 0) << cut.err;
    EXPECT_EQ(Open(out_).Text(ChannelNameField(1)), "REPEAT");
}

TEST_F(ChirpListCommands, ExportInTheFormatImportsBackToTheSameProject) {
    const CliRun exported = Cli({"export-csv", base_, "--format", "chirp"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_TRUE(exported.out.starts_with(kHeader)) << exported.out;

    const std::string csv = folder_.File("plan.csv");
    ASSERT_EQ(Cli({"export-csv", base_, "--format", "chirp", "-o", csv}).exitCode, 0);
    EXPECT_EQ(ReadAll(csv), exported.out);
    const CliRun imported = Cli({"import-csv", csv, "--base", base_, "-o", out_});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(ReadAll(out_), ReadAll(base_));

    EXPECT_EQ(Cli({"export-csv", base_, "--format", "other"}).exitCode, 64);
}

// The summary goes to standard error, so that a project written to standard output stays
// whole.
TEST_F(ChirpListCommands, TheSummaryOfAnOlderListGoesToStandardError) {
    const std::string csv = folder_.File("older.csv");
    std::ofstream(csv) << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                          "DtcsPolarity,Mode,TStep,Skip,Comment\r\n"
                          "3,RPT,446.006250,,0.000000,Cross,100.0,131.8,023,NN,FM,2.50,,Club\r\n";
    ASSERT_EQ(Cli({"import-csv", csv, "--base", base_, "-o", out_}).exitCode, 0);
    const CliRun piped = Cli({"import-csv", csv, "--base", base_, "-o", "-"});
    ASSERT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_EQ(piped.out, ReadAll(out_));
    for (const char* said : {"No CrossMode column: 1 row took the format's default, Tone->Tone.",
                             "power on 1 row", "1 comment was not kept"}) {
        EXPECT_NE(piped.err.find(csv + ": "), std::string::npos) << piped.err;
        EXPECT_NE(piped.err.find(said), std::string::npos) << piped.err;
    }
    EXPECT_EQ(Open(out_).Channel(3).RxToneCode(), 1318);
}

}  // namespace
}  // namespace radioprog
