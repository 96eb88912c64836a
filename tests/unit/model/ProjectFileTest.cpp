#include "model/ProjectFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

namespace radioprog {
namespace {

using testing::TempFolder;

void FillRandom(ProjectImage& image, unsigned seed) {
    std::mt19937 random(seed);
    for (auto& b : image.Raw()) {
        b = static_cast<uint8_t>(random());
    }
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProjectFile, RoundTripKeepsEveryByteAndCarriesTheBandOfTheMomentOfSaving) {
    TempFolder folder;
    const auto path = folder.File("radio.Vkf");
    ProjectImage saved;
    FillRandom(saved, 1);
    const BandLimits bandAtSave{136000000, 174000000};
    ASSERT_TRUE(SaveProject(path, saved, bandAtSave));
    EXPECT_EQ(ReadAll(path).size(), kProjectImageSize);

    ProjectImage opened;
    BandLimits band{400000000, 480000000};
    ASSERT_TRUE(OpenProject(path, opened, band));
    EXPECT_TRUE(std::equal(saved.Raw().begin(), saved.Raw().end(), opened.Raw().begin()));
    EXPECT_EQ(band, bandAtSave);
    EXPECT_EQ(opened.Get(image::BandLower), 136000000u);
}

TEST(ProjectFile, ShortFileReplacesOnlyTheBytesItHolds) {
    TempFolder folder;
    const auto path = folder.File("short.Vkf");
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(100, '\x11');
    }
    ProjectImage image;
    FillRandom(image, 2);
    const auto before = image.Raw()[100];
    BandLimits band;
    ASSERT_TRUE(OpenProject(path, image, band));
    EXPECT_EQ(image.Raw()[0], 0x11);
    EXPECT_EQ(image.Raw()[99], 0x11);
    EXPECT_EQ(image.Raw()[100], before);
    EXPECT_EQ(band.lower, image.Get(image::BandLower));
}

TEST(ProjectFile, LongerFileIsReadUpToTheImageSize) {
    TempFolder folder;
    const auto path = folder.File("long.Vkf");
    ProjectImage written;
    std::ranges::fill(written.Raw(), uint8_t{0x22});
    written.Set(image::BandLower, uint32_t{136000000});
    written.Set(image::BandUpper, uint32_t{174000000});
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(written.Raw().data()), kProjectImageSize);
        out << std::string(500, '\x33');
    }
    ProjectImage image;
    BandLimits band;
    const FileResult result = OpenProject(path, image, band);
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(image.Raw()[kProjectImageSize - 1], 0x22);
    EXPECT_EQ(band.lower, 136000000u);
    EXPECT_NE(result.notice.find("\"" + path +
                                 "\" is longer than a 2954-byte project; only its "
                                 "first 2954 bytes were read."),
              std::string::npos)
        << result.notice;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(random());
    }
    return bytes;
}

// A channel list, a configuration or a page of random bytes opened as a project would make up
// channels and options: each is refused, naming the file and why, and nothing changes.
TEST(ProjectFile, WhatIsClearlyNotAProjectIsRefusedAndChangesNothing) {
    TempFolder folder;
    struct Case {
        const char* name;
        std::string bytes;
        const char* why;
    };
    const Case cases[] = {
        {"channels.csv", "NO.,RX Freq.,TX Freq.,QT/DQT Dec\r\n1,146.52000,146.52000,Off\r\n",
         "not a project file: it looks like a channel list"},
        {"_config.ini", "[config]\nPort=1\nLanguage=2\n[band]\nband min=400000000\n",
         "not a project file: it looks like an INI file"},
        {"notes.txt", "Radio of the car\nchannels checked on Monday\n", "it is a text file"},
        {"empty.Vkf", "", "it is empty"},
    };
    for (const Case& c : cases) {
        const auto path = folder.File(c.name);
        WriteFile(path, c.bytes);
        ProjectImage image;
        FillRandom(image, 3);
        const ProjectImage before = image;
        BandLimits band{400000000, 480000000};
        const FileResult result = OpenProject(path, image, band);
        EXPECT_FALSE(result) << c.name;
        EXPECT_TRUE(result.notThisKind) << c.name;
        EXPECT_NE(result.message.find(path), std::string::npos) << result.message;
        EXPECT_NE(result.message.find(c.why), std::string::npos) << result.message;
        EXPECT_TRUE(std::ranges::equal(image.Raw(), before.Raw())) << c.name;
        EXPECT_EQ(band, (BandLimits{400000000, 480000000})) << c.name;
    }
}

// Every project this tool saves opens again, whatever its channels hold, and a short file
// still fills the bytes it has, saying so.
TEST(ProjectFile, ProjectsOfThisToolOpenAndAShortFileSaysHowMuchItHeld) {
    TempFolder folder;
    const BandLimits bands[] = {{136000000, 174000000},
                                {200000000, 260000000},
                                {400000000, 480000000},
                                {300000000, 520000000}};
    for (unsigned seed = 0; seed < 40; ++seed) {
        ProjectImage saved;
        if (seed % 2 == 0) {
            FillRandom(saved, seed);
        } else {
            saved.ResetToDefaults();
        }
        const auto path = folder.File("p" + std::to_string(seed) + ".Vkf");
        ASSERT_TRUE(SaveProject(path, saved, bands[seed % 4]));
        ProjectImage image;
        BandLimits band;
        const FileResult result = OpenProject(path, image, band);
        EXPECT_TRUE(result) << result.message;
        EXPECT_TRUE(result.notice.empty());
    }

    const auto shortPath = folder.File("short.Vkf");
    WriteFile(shortPath, RandomBytes(500, 9));
    ProjectImage image;
    BandLimits band;
    const FileResult result = OpenProject(shortPath, image, band);
    ASSERT_TRUE(result) << result.message;
    EXPECT_NE(result.notice.find("Only the first 500 bytes of a 2954-byte project were in \"" +
                                 shortPath + "\""),
              std::string::npos)
        << result.notice;
}

// A band the radio does not take (random bytes, limits in reverse order, the 0-0 a short file
// leaves in a fresh project) opens, saying so, and the project saved from it opens again the
// same: the write is what refuses such a band.
TEST(ProjectFile, ABandTheRadioRefusesOpensWithANoticeAndSavesAndOpensAgain) {
    TempFolder folder;
    ProjectImage reversed;
    FillRandom(reversed, 7);
    reversed.Set(image::BandLower, uint32_t{480000000});
    reversed.Set(image::BandUpper, uint32_t{400000000});
    const std::string reversedBytes(reinterpret_cast<const char*>(reversed.Raw().data()),
                                    kProjectImageSize);
    struct Case {
        const char* name;
        std::string bytes;
        const char* band;
    };
    const Case cases[] = {
        {"random.Vkf", RandomBytes(kProjectImageSize, 1), ""},
        {"random.bin", RandomBytes(4096, 2), ""},
        {"reversed.Vkf", reversedBytes, "480.00000-400.00000 MHz"},
        {"head.Vkf", RandomBytes(100, 3), "0-0 MHz"},
    };
    for (const Case& c : cases) {
        const auto path = folder.File(c.name);
        WriteFile(path, c.bytes);
        ProjectImage image;
        BandLimits band{400000000, 480000000};
        const FileResult opened = OpenProject(path, image, band);
        ASSERT_TRUE(opened) << opened.message;
        EXPECT_EQ(band.lower, image.Get(image::BandLower)) << c.name;
        EXPECT_NE(opened.notice.find("The band of \"" + path + "\", " + c.band), std::string::npos)
            << opened.notice;
        EXPECT_NE(opened.notice.find("is not one the radio accepts"), std::string::npos)
            << opened.notice;

        const auto saved = folder.File(std::string("saved-") + c.name);
        ASSERT_TRUE(SaveProject(saved, image, band));
        ProjectImage reopened;
        BandLimits reopenedBand;
        const FileResult again = OpenProject(saved, reopened, reopenedBand);
        ASSERT_TRUE(again) << again.message;
        EXPECT_TRUE(std::ranges::equal(reopened.Raw(), image.Raw())) << c.name;
        EXPECT_EQ(reopenedBand, band) << c.name;
    }
}

TEST(ProjectFile, FailuresAreReportedWithTheFileNameAndLeaveTheImageAlone) {
    TempFolder folder;
    ProjectImage image;
    FillRandom(image, 3);
    const ProjectImage before = image;
    BandLimits band{1, 2};

    const auto missing = folder.File("missing.Vkf");
    const auto openResult = OpenProject(missing, image, band);
    EXPECT_FALSE(openResult);
    EXPECT_NE(openResult.message.find("missing.Vkf"), std::string::npos);
    EXPECT_TRUE(std::equal(before.Raw().begin(), before.Raw().end(), image.Raw().begin()));
    EXPECT_EQ(band, (BandLimits{1, 2}));

    const auto saveResult = SaveProject(folder.File("no/such/folder.Vkf"), image, band);
    EXPECT_FALSE(saveResult);
    EXPECT_NE(saveResult.message.find("folder.Vkf"), std::string::npos);

    // A directory opens as a stream on some systems but cannot be read.
    EXPECT_FALSE(OpenProject(folder.Path().string(), image, band));
}

// A pipe would hold the program in open() for ever, and a folder or a device is no project:
// each is refused with its name, and the image stays as it was.
TEST(ProjectFile, OpeningWhatIsNotAFileIsRefusedAtOnce) {
    TempFolder folder;
    const auto pipe = folder.File("pipe.Vkf");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const auto linkToPipe = folder.File("link.Vkf");
    std::filesystem::create_symlink(pipe, linkToPipe);
    const auto subfolder = folder.File("folder.Vkf");
    std::filesystem::create_directory(subfolder);

    for (const std::string& path : {pipe, linkToPipe, subfolder, std::string("/dev/null")}) {
        const auto child = testing::RunInChild([&] {
            ProjectImage image;
            FillRandom(image, 4);
            const ProjectImage before = image;
            BandLimits band{1, 2};
            const FileResult result = OpenProject(path, image, band);
            const bool untouched =
                std::equal(before.Raw().begin(), before.Raw().end(), image.Raw().begin()) &&
                band == BandLimits{1, 2};
            return !result && result.message.find(path) != std::string::npos && untouched ? 0 : 1;
        });
        EXPECT_TRUE(child.finished) << path << " blocked";
        EXPECT_EQ(child.exitCode, 0) << path;
    }
}

}  // namespace
}  // namespace radioprog
