// Labels beside history entries: what a label may hold, where it is kept, that it is never an
// entry itself, and that it lives and goes with its own entry only.

#include "history/HistoryLabel.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "history/HistoryKeep.h"
#include "history/HistoryNames.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The UTF-8 bytes of one code point.
std::string Utf8(char32_t point) {
    std::string text;
    if (point < 0x80) {
        text += static_cast<char>(point);
    } else if (point < 0x800) {
        text += static_cast<char>(0xC0 | (point >> 6));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (point >> 12));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    }
    return text;
}

class HistoryLabelTest : public ::testing::Test {
  protected:
    // Keeps a project read at 08:minute on 1 March 2026, newest last.
    std::string Keep(int minute, size_t keep = 500) {
        ProjectImage image;
        image.SetChannelValid(1, true);
        std::tm local{};
        local.tm_year = 126;
        local.tm_mon = 2;
        local.tm_mday = 1;
        local.tm_hour = 8;
        local.tm_min = minute;
        local.tm_isdst = -1;
        std::string path;
        EXPECT_TRUE(KeepProjectInHistory({true, folder, keep},
                                         {HistoryJob::Read, RadioKind::S, {}, std::mktime(&local)},
                                         image, BandLimits{400000000, 480000000}, &path));
        return path;
    }
    // The listed entry kept at path.
    HistoryEntry Listed(const std::string& path) const {
        for (const HistoryEntry& entry : ListHistory(folder)) {
            if (entry.path == path) {
                return entry;
            }
        }
        ADD_FAILURE() << path << " is not listed";
        return {};
    }

    TempFolder temp;
    std::string folder = temp.Path().string();
};

TEST_F(HistoryLabelTest, ALabelIsKeptBesideItsEntryPrivatelyAndAnEmptyOneRemovesIt) {
    const std::string path = Keep(0);
    const std::string entryBytes = Contents(path);

    ASSERT_TRUE(SetHistoryLabel(Listed(path), "  Customer 张三, job 42  "));
    EXPECT_EQ(Listed(path).label, "Customer 张三, job 42");
    EXPECT_EQ(Contents(path + ".label"), "Customer 张三, job 42\n");
    EXPECT_EQ(Contents(path), entryBytes) << "the entry stays the file Save wrote";
    struct stat info {};
    ASSERT_EQ(stat((path + ".label").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    ASSERT_TRUE(SetHistoryLabel(Listed(path), "relabelled"));
    EXPECT_EQ(Listed(path).label, "relabelled");
    ASSERT_TRUE(SetHistoryLabel(Listed(path), "   "));
    EXPECT_EQ(Listed(path).label, "");
    EXPECT_FALSE(fs::exists(path + ".label"));
    EXPECT_EQ(fs::directory_iterator(folder)->path(), path) << "nothing but the entry is left";
}

TEST_F(HistoryLabelTest, OneLineOfUtf8WithoutControlCharactersUpToTheLimit) {
    std::vector<char32_t> controls = {0x2028, 0x2029};
    for (char32_t point = 0; point < 0x20; ++point) {
        controls.push_back(point);
    }
    for (char32_t point = 0x7F; point <= 0x9F; ++point) {
        controls.push_back(point);
    }
    for (const char32_t point : controls) {
        EXPECT_TRUE(HistoryLabelRefusal("job " + Utf8(point) + " 7")) << unsigned{point};
    }
    for (const std::string_view text : {"\xFF", "\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                                        "\xF4\x90\x80\x80", "a\x80z"}) {
        EXPECT_TRUE(HistoryLabelRefusal(text)) << "not UTF-8: " << ::testing::PrintToString(text);
    }
    std::string longest;
    for (size_t i = 0; i < kHistoryLabelLimit; ++i) {
        longest += "频";
    }
    for (const std::string& text :
         {std::string(""), std::string("Ü 频 ~ \xF0\x9F\x93\xBB"), longest}) {
        EXPECT_EQ(HistoryLabelRefusal(text), std::nullopt) << text;
    }
    EXPECT_TRUE(HistoryLabelRefusal(longest + "x"));

    // A refused label leaves the one there as it was.
    const std::string path = Keep(0);
    ASSERT_TRUE(SetHistoryLabel(Listed(path), "kept"));
    const FileResult refused = SetHistoryLabel(Listed(path), "two\nlines");
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.message.find("one line"), std::string::npos) << refused.message;
    EXPECT_EQ(Listed(path).label, "kept");
    // Nor is a file edited by hand into several lines read as a label.
    std::ofstream(path + ".label") << "first\nsecond\n";
    EXPECT_EQ(Listed(path).label, "");
}

TEST_F(HistoryLabelTest, ALabelFileIsNeverAnEntryNorCountedByTheLimit) {
    const std::string first = Keep(0);
    ASSERT_TRUE(SetHistoryLabel(Listed(first), "first"));
    // Even holding a whole project, a label's name reads as no entry.
    fs::copy_file(first, first + "-copy.label");
    std::ofstream(first + ".label", std::ios::trunc) << "first\n";
    for (const auto& item : fs::directory_iterator(folder)) {
        const std::string name = item.path().filename().string();
        EXPECT_EQ(ParseEntryFileName(name).has_value(), item.path() == first) << name;
    }
    ASSERT_EQ(ListHistory(folder).size(), 1u);

    // Two entries kept under a limit of two: labels take no entry's place.
    const std::string second = Keep(1, 2);
    ASSERT_TRUE(SetHistoryLabel(Listed(second), "second"));
    Keep(2, 3);
    EXPECT_TRUE(fs::exists(first));
    EXPECT_EQ(Listed(first).label, "first");
    EXPECT_EQ(Listed(second).label, "second");
}

TEST_F(HistoryLabelTest, TrimmingTakesTheLabelWithItsEntryAndLeavesTheOthersLabels) {
    const std::string oldest = Keep(0);
    const std::string middle = Keep(1);
    ASSERT_TRUE(SetHistoryLabel(Listed(oldest), "oldest"));
    ASSERT_TRUE(SetHistoryLabel(Listed(middle), "middle"));

    const std::string newest = Keep(2, 2);
    EXPECT_FALSE(fs::exists(oldest));
    EXPECT_FALSE(fs::exists(oldest + ".label"));
    EXPECT_EQ(Listed(middle).label, "middle");
    EXPECT_EQ(Listed(newest).label, "");

    // An entry deleted by hand leaves its label; a later read of that name does not take it.
    ASSERT_TRUE(SetHistoryLabel(Listed(newest), "deleted by hand"));
    fs::remove(newest);
    EXPECT_EQ(Keep(2), newest);
    EXPECT_EQ(Listed(newest).label, "");
    // Nor is a label written for an entry that went meanwhile.
    HistoryEntry gone = Listed(middle);
    fs::remove(middle);
    fs::remove(middle + ".label");
    EXPECT_FALSE(SetHistoryLabel(gone, "too late"));
    EXPECT_FALSE(fs::exists(middle + ".label"));
}

TEST_F(HistoryLabelTest, ALinkOrFolderUnderALabelsNameIsNeitherFollowedNorRemoved) {
    const std::string outside = temp.File("elsewhere.txt");
    const std::string linked = Keep(0);
    std::ofstream(outside) << "not ours\n";
    fs::create_symlink(outside, linked + ".label");
    EXPECT_EQ(Listed(linked).label, "") << "a link is not read";
    EXPECT_FALSE(SetHistoryLabel(Listed(linked), "written through"));
    EXPECT_FALSE(SetHistoryLabel(Listed(linked), ""));
    EXPECT_EQ(Contents(outside), "not ours\n");
    EXPECT_TRUE(fs::is_symlink(linked + ".label"));

    const std::string withFolder = Keep(1);
    fs::create_directory(withFolder + ".label");
    EXPECT_FALSE(SetHistoryLabel(Listed(withFolder), "x"));

    // Both entries trimmed: what stood under their labels' names is someone else's.
    Keep(2, 1);
    EXPECT_FALSE(fs::exists(linked));
    EXPECT_TRUE(fs::is_symlink(linked + ".label"));
    EXPECT_TRUE(fs::is_directory(withFolder + ".label"));
    EXPECT_EQ(Contents(outside), "not ours\n");
}

}  // namespace
}  // namespace radioprog
