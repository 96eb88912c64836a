#include "model/ProjectFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(kProjectImageSize, '\x22') << std::string(500, '\x33');
    }
    ProjectImage image;
    BandLimits band;
    ASSERT_TRUE(OpenProject(path, image, band));
    EXPECT_EQ(image.Raw()[kProjectImageSize - 1], 0x22);
    EXPECT_EQ(band.lower, 0x22222222u);
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
