// A control character in a channel name (a line break inside a quoted cell, a tab, an
// escape) is refused by every import of a channel list file: it would break every list and
// sheet the name is written to. The refusal names the character without printing it. (A paste
// keeps what a spreadsheet's quoted cell held.)

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ChannelListTestSupport.h"
#include "channellist/ChannelCsv.h"
#include "channellist/ChannelListImport.h"
#include "channellist/ChirpCsv.h"

namespace radioprog {
namespace {

using testing::kWholeRange;

struct ControlCharacter {
    std::string utf8;
    unsigned code;
};

// Every control character: C0, DEL and C1.
std::vector<ControlCharacter> ControlCharacters() {
    std::vector<ControlCharacter> all;
    for (unsigned code = 0; code < 0x20; ++code) {
        all.push_back({std::string(1, static_cast<char>(code)), code});
    }
    all.push_back({"\x7F", 0x7F});
    for (unsigned code = 0x80; code <= 0x9F; ++code) {
        all.push_back({std::string("\xC2") + static_cast<char>(code), code});
    }
    return all;
}

std::string QuotedCell(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

// Whether text holds a control character a terminal would act on.
bool HoldsControl(const std::string& text) {
    for (size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const auto next = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
        if (byte < 0x20 || byte == 0x7F || (byte == 0xC2 && next >= 0x80 && next <= 0x9F)) {
            return true;
        }
    }
    return false;
}

struct NamePath {
    const char* name;
    std::function<ChannelListResult(const std::string& cell, ProjectImage& image)> store;
};

std::string OwnList(const std::string& cell) {
    return "NO.,RX Freq.,Name\r\n1,146.5," + cell + "\r\n";
}
std::string MultiRadioList(const std::string& cell) {
    return "Location,Name,Frequency,Duplex,Offset,Mode\r\n1," + cell + ",146.520000,,0,FM\r\n";
}

const NamePath kNamePaths[] = {
    {"our channel list",
     [](const std::string& cell, ProjectImage& image) {
         return ImportChannelsCsv(OwnList(cell), image, kWholeRange);
     }},
    {"the multi-radio list",
     [](const std::string& cell, ProjectImage& image) {
         return ImportChannelsChirpCsv(MultiRadioList(cell), image, kWholeRange);
     }},
    {"a channel list file in our format",
     [](const std::string& cell, ProjectImage& image) {
         return ImportChannelList(OwnList(cell), image, kWholeRange);
     }},
    {"a channel list file in the multi-radio format",
     [](const std::string& cell, ProjectImage& image) {
         return ImportChannelList(MultiRadioList(cell), image, kWholeRange);
     }},
};

TEST(NameControlCharacters, EveryNamePathRefusesThemAndNamesThemReadably) {
    for (const NamePath& path : kNamePaths) {
        SCOPED_TRACE(path.name);
        ProjectImage untouched;
        untouched.ResetToDefaults();
        {
            ProjectImage image = untouched;
            ASSERT_TRUE(path.store(QuotedCell("A B"), image)) << "the row itself is good";
        }
        for (const ControlCharacter& control : ControlCharacters()) {
            char point[16];
            std::snprintf(point, sizeof point, "(U+%04X)", control.code);
            SCOPED_TRACE(point);
            ProjectImage image = untouched;
            const auto result = path.store(QuotedCell("A" + control.utf8 + "B"), image);
            ASSERT_FALSE(result);
            const std::string message = result.error.Message();
            // A zero byte is refused before any name is read: such a file is no text at all.
            const std::string named = control.code == 0
                                          ? std::string("a zero byte: this is not text")
                                          : "a control character " + std::string(point);
            EXPECT_NE(message.find(named), std::string::npos) << message;
            EXPECT_FALSE(HoldsControl(message)) << message;
            EXPECT_TRUE(
                std::equal(image.Raw().begin(), image.Raw().end(), untouched.Raw().begin()));
        }
    }
}

TEST(NameControlCharacters, TheQuotedCellShowsThemAsEscapes) {
    ProjectImage image;
    image.ResetToDefaults();
    const auto result =
        ImportChannelsCsv("NO.,RX Freq.,Name\r\n1,146.5,\"A\r\nB\x1B\"\r\n", image, kWholeRange);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error.Message(),
              "line 2, column 3 (Name), channel 1: \"A\\r\\nB\\x1B\" is a name with a control "
              "character (U+000D), a character the radio cannot show");
}

}  // namespace
}  // namespace radioprog
