// What an import or paste says when a cell cannot be stored: a sentence a person can act on,
// the offending character named so an invisible one can be found, and a cell of any size
// quoted in a line of readable length.

#include <gtest/gtest.h>

#include "ChannelListTestSupport.h"
#include "channellist/ChannelClipboardText.h"
#include "channellist/ChannelCsv.h"

namespace radioprog {
namespace {

using testing::kWholeRange;

ChannelListError ImportError(const std::string& csv) {
    ProjectImage image;
    image.ResetToDefaults();
    const auto result = ImportChannelsCsv(csv, image, kWholeRange);
    EXPECT_FALSE(result) << csv.substr(0, 200);
    return result.error;
}

TEST(ChannelListMessages, ACharacterTheRadioCannotShowIsNamed) {
    // A no-break space looks like any other space.
    EXPECT_EQ(ImportError("NO.,RX Freq.,Name\r\n1,146.5,A\xC2\xA0"
                          "B\r\n")
                  .Message(),
              "line 2, column 3 (Name), channel 1: \"A\xC2\xA0"
              "B\" is a name with \"\xC2\xA0\" (U+00A0), a character the radio cannot show");
    const std::string radio = "\xF0\x9F\x93\xBB";
    EXPECT_NE(ImportError("NO.,Name,RX Freq.\r\n4,ok" + radio + ",146.5\r\n")
                  .Message()
                  .find("\"" + radio + "\" (U+1F4FB), a character"),
              std::string::npos);

    ProjectImage image;
    image.ResetToDefaults();
    const auto pasted = PasteChannelsTsv("146.5\t\t\t\t\t\t\tx\xC2\xA0\n", 3, image, kWholeRange);
    ASSERT_FALSE(pasted);
    EXPECT_NE(pasted.error.Message().find("(U+00A0)"), std::string::npos) << pasted.error.Message();
}

TEST(ChannelListMessages, ACellIsQuotedAtMostFortyCharacters) {
    const std::string huge(900000, 'x');
    const std::string message =
        ImportError("NO.,RX Freq.,Name\r\n1,146.5," + huge + "\r\n").Message();
    EXPECT_LT(message.size(), 200u) << message.substr(0, 300);
    EXPECT_NE(message.find("\"" + std::string(40, 'x') + "...\" (900000 characters) is longer"),
              std::string::npos)
        << message.substr(0, 300);

    // Cut between characters, never inside one.
    std::string chinese;
    for (int i = 0; i < 50; ++i) {
        chinese += "中";
    }
    const std::string cut = ImportError("NO.,RX Freq.\r\n1," + chinese + "\r\n").Message();
    EXPECT_NE(cut.find("\"" + chinese.substr(0, 40 * 3) + "...\" (50 characters) is not"),
              std::string::npos)
        << cut;

    const std::string forty(40, 'y');
    EXPECT_NE(
        ImportError("NO.,RX Freq.\r\n1," + forty + "\r\n").Message().find("\"" + forty + "\" is"),
        std::string::npos)
        << "a cell of forty characters is quoted whole";
}

}  // namespace
}  // namespace radioprog
