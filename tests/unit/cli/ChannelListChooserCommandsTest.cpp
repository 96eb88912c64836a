// import-csv with a shared 52-row plan: every bad row named in one run with the option that
// would take it, rows chosen with --rows, the rows that fit taken with --skip-unfit, the others
// cleared with --replace, and a summary of what was taken.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "channellist/ChannelColumns.h"
#include "model/ProjectFile.h"
#include "support/CliTest.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

using testing::CliRun;

class ChannelListChooser : public testing::CliTest {
  protected:
    // Channel 2 of the base is in use; a plan of 52 rows at locations 0 to 51 whose every
    // tenth row (location 3, 13, ...) is AM.
    void SetUp() override {
        CliTest::SetUp();
        ProjectImage image;
        image.ResetToDefaults();
        for (int n = 1; n <= kChannelCount; ++n) {
            image.SetChannelValid(n, n == 2);
        }
        image.Channel(2).InitialiseNew(430000000);
        image.SetText(ChannelNameField(2), "BASE");
        ASSERT_TRUE(SaveProject(base_, image, BandLimits{400000000, 480000000}));
        std::ofstream plan(plan_);
        plan << "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
                "RPT2CALL,DVCODE\r\n";
        for (int location = 0; location < 52; ++location) {
            const int khz = 440000 + 25 * location;
            plan << location << ",R" << location << "," << khz / 1000 << "."
                 << std::to_string(khz % 1000 + 1000).substr(1)
                 << ",,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,"
                 << (location % 10 == 3 ? "AM" : "FM") << ",5.00,,5.0W,,,,,\r\n";
        }
    }

    CliRun Import(std::vector<std::string> options) {
        std::vector<std::string> arguments{"import-csv", plan_, "--base", base_, "-o", out_};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return Cli(arguments);
    }

    std::string Name(int n) {
        ProjectImage image;
        BandLimits band;
        EXPECT_TRUE(OpenProject(out_, image, band));
        return image.IsChannelValid(n) ? image.Text(ChannelNameField(n)) : "";
    }

    static size_t Lines(const std::string& text, const std::string& containing) {
        size_t count = 0;
        for (size_t at = text.find(containing); at != std::string::npos;
             at = text.find(containing, at + 1)) {
            ++count;
        }
        return count;
    }

    std::string base_ = folder_.File("base.Vkf");
    std::string plan_ = folder_.File("plan.csv");
    std::string out_ = folder_.File("out.Vkf");
};

TEST_F(ChannelListChooser, EveryRefusedRowIsNamedWithTheOptionThatWouldTakeIt) {
    const CliRun refused = Import({});
    EXPECT_EQ(refused.exitCode, 65);
    EXPECT_FALSE(std::filesystem::exists(out_));
    // Location 0 and 17 to 51 name no channel; the AM rows among 1 to 16 (3 and 13) too.
    EXPECT_EQ(Lines(refused.err, "\n"), 1u + 35u + 2u + 1u) << refused.err;
    EXPECT_NE(refused.err.find("line 2, column 1 (Location): \"0\" is not a channel from 1 to 16"),
              std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("line 5, column 13 (Mode), channel 3: \"AM\" is a mode the radio "
                               "does not have: FM (wide) or NFM (narrow); --skip-unfit or --rows "
                               "would leave it out\n"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(Lines(refused.err, "--renumber would place it"), 0u)
        << "52 rows cannot be renumbered into 16 channels";
    EXPECT_NE(refused.err.find("38 rows refused. Nothing was written.\n"), std::string::npos);
}

TEST_F(ChannelListChooser, RowsAreChosenByNumberAndBadListsAreUsageErrors) {
    const CliRun taken = Import({"--rows", "30-33,35-38", "--renumber"});
    ASSERT_EQ(taken.exitCode, 0) << taken.err;
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(Name(n), "R" + std::to_string(n < 5 ? n + 28 : n + 29)) << n;
    }
    EXPECT_EQ(Name(9), "");
    EXPECT_NE(taken.err.find("Took 8 rows into channels 1-8; skipped 0; 44 rows not chosen."),
              std::string::npos)
        << taken.err;
    EXPECT_NE(taken.err.find("kept in the project file only"), std::string::npos);

    for (const char* bad : {"0-3", "5-2", "1,x", "53"}) {
        const CliRun refused = Import({"--rows", bad});
        EXPECT_EQ(refused.exitCode, 64) << bad << ": " << refused.err;
        EXPECT_NE(refused.err.find(std::string(bad) == "53" ? "the list has 52 rows" : "--rows: "),
                  std::string::npos)
            << refused.err;
    }
}

TEST_F(ChannelListChooser, SkipUnfitTakesWhatFitsAndSaysWhyForEachOtherRow) {
    const CliRun renumbered = Import({"--skip-unfit", "--renumber"});
    ASSERT_EQ(renumbered.exitCode, 0) << renumbered.err;
    EXPECT_EQ(Name(3), "R2");
    EXPECT_EQ(Name(4), "R4") << "location 3 is AM and takes no channel";
    EXPECT_EQ(Name(16), "R17");
    EXPECT_NE(renumbered.err.find("Took 16 rows into channels 1-16; skipped 36."),
              std::string::npos)
        << renumbered.err;
    EXPECT_NE(renumbered.err.find("Skipped row 4: line 5, column 13 (Mode)"), std::string::npos);
    EXPECT_NE(renumbered.err.find("Skipped row 19: line 20, column 1: no room"), std::string::npos)
        << renumbered.err;

    // At their locations, with the others kept: location 0 goes to the free channel 3 (the AM
    // row leaves it), and channel 2 takes location 2 over the base.
    const CliRun listed = Import({"--skip-unfit", "--rows", "1-5"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(Name(1), "R1");
    EXPECT_EQ(Name(2), "R2");
    EXPECT_EQ(Name(3), "R0");
    EXPECT_EQ(Name(4), "R4");
    EXPECT_EQ(Name(5), "");

    const CliRun replaced = Import({"--rows", "5", "--replace"});
    ASSERT_EQ(replaced.exitCode, 0) << replaced.err;
    for (int n = 1; n <= kChannelCount; ++n) {
        EXPECT_EQ(Name(n), n == 4 ? "R4" : "") << n;
    }
}

}  // namespace
}  // namespace radioprog
