#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/ProjectFields.h"
#include "model/ToneCodec.h"
#include "sheet/ChannelSheet.h"
#include "sheet/SheetPaper.h"

namespace {

using namespace radioprog;
using THaldenFuncs::TLangType;

bool HasOption(const ChannelSheet& sheet, const std::string& word) {
    return std::any_of(sheet.options.begin(), sheet.options.end(),
                       [&word](const auto& option) { return option.second == word; });
}

class ChannelSheetTest : public ::testing::Test {
  protected:
    ChannelSheetTest() {
        image.ResetToDefaults();
        for (int n = 1; n <= kChannelCount; ++n) {
            image.SetChannelValid(n, false);
        }
        auto three = image.Channel(3);
        three.SetRxFreq(433125000);
        three.SetTxFreq(438125000);
        Tone tone;
        TextToTone("88.5", tone.type, tone.code);
        three.SetRxTone(tone.type, tone.code);
        TextToTone("D023I", tone.type, tone.code);
        three.SetTxTone(tone.type, tone.code);
        three.SetHighPower(false);
        image.SetChannelValid(3, true);
        image.SetChannelValid(7, true);
        image.Set(settings::Tot, uint16_t{0});
        image.Set(settings::Voice, uint8_t{2});
        image.Set(settings::Beep, uint8_t{1});
        image.Set(settings::Saving, uint8_t{0});
    }
    ProjectImage image;
    BandLimits band{400000000, 480000000};
};

TEST_F(ChannelSheetTest, ListsTheChannelsInUseOrAllWithTheirFields) {
    const ChannelSheet inUse =
        BuildChannelSheet(image, band, TLangType::English, SheetChannels::InUse, "2026-12-07");
    ASSERT_EQ(inUse.rows.size(), 2u);
    EXPECT_EQ(inUse.rows[0][0], "3");
    EXPECT_EQ(inUse.rows[1][0], "7");
    ASSERT_EQ(inUse.columns.size(), inUse.rows[0].size());
    const auto& three = inUse.rows[0];
    EXPECT_NE(std::find(three.begin(), three.end(), "433.12500"), three.end());
    EXPECT_NE(std::find(three.begin(), three.end(), "438.12500"), three.end());
    EXPECT_NE(std::find(three.begin(), three.end(), "88.5"), three.end());
    EXPECT_NE(std::find(three.begin(), three.end(), "D023I"), three.end());
    EXPECT_NE(std::find(three.begin(), three.end(), "Low"), three.end());
    EXPECT_EQ(inUse.band, "400.00000-480.00000 MHz");
    EXPECT_EQ(inUse.date, "2026-12-07");

    // All sixteen: a channel not in use keeps its number and shows no leftover value.
    const ChannelSheet all =
        BuildChannelSheet(image, band, TLangType::English, SheetChannels::All, "2026-12-07");
    ASSERT_EQ(all.rows.size(), 16u);
    EXPECT_EQ(all.rows[0][0], "1");
    for (size_t field = 1; field < all.rows[0].size(); ++field) {
        EXPECT_EQ(all.rows[0][field], "") << field;
    }
    EXPECT_EQ(all.rows[2], three);
}

TEST_F(ChannelSheetTest, CaptionsAndOptionWordsAreInTheSheetsLanguage) {
    struct Expected {
        TLangType language;
        const char* title;
        const char* power;
        const char* off;
        const char* english;
        const char* on;
    };
    for (const Expected& e : {
             Expected{TLangType::English, "Channel sheet", "TX Power", "OFF", "English", "On"},
             Expected{TLangType::SimplifiedChinese, "信道资料表", "发射功率", "关闭", "英文",
                      "开启"},
             Expected{TLangType::TraditionalChinese, "信道資料表", "發射功率", "關閉", "英文",
                      "開啟"},
         }) {
        const ChannelSheet sheet =
            BuildChannelSheet(image, band, e.language, SheetChannels::InUse, "2026-12-07");
        EXPECT_EQ(sheet.title, e.title);
        EXPECT_EQ(sheet.columns[5], e.power);
        EXPECT_TRUE(HasOption(sheet, e.off)) << e.title;      // time-out timer off
        EXPECT_TRUE(HasOption(sheet, e.english)) << e.title;  // voice prompts
        EXPECT_TRUE(HasOption(sheet, e.on)) << e.title;       // key beep
        EXPECT_FALSE(sheet.noteCaption.empty());
    }
}

TEST_F(ChannelSheetTest, AnOptionValueNoListItemGivesIsPrintedAsItsNumber) {
    // As a foreign file or radio may hold them; a switch is on for anything but 0.
    image.Set(settings::Sql, uint8_t{12});
    image.Set(settings::Tot, uint16_t{17});
    image.Set(settings::Voice, uint8_t{7});
    image.Set(settings::Saving, uint8_t{2});
    image.Set(settings::SavingRate, uint8_t{0});
    const ChannelSheet sheet =
        BuildChannelSheet(image, band, TLangType::English, SheetChannels::InUse, "2026-12-07");
    using Options = decltype(sheet.options);
    EXPECT_EQ(sheet.options, (Options{{"SQL", "12"},
                                      {"TOT(S)", "17"},
                                      {"TOA(S)", "5"},
                                      {"Voice", "7"},
                                      {"Key Beep", "On"},
                                      {"Battery Save", "On"},
                                      {"Batt.Saving Rate", "1:0"}}));
}

// The customer reads off the sheet which fields the radio does not hold, and whose bench, job,
// file and radio it belongs to; what the caller does not know is left off, not printed empty.
TEST_F(ChannelSheetTest, TheHeaderNamesShopCustomerFileAndRadioAndFileOnlyColumnsAreMarked) {
    struct Expected {
        TLangType language;
        const char* name;
        const char* scan;
        const char* customer;
        std::string marker;
    };
    for (const Expected& e : {
             Expected{TLangType::English, "Name (file only)", "SCN", "Customer/job",
                      " (file only)"},
             Expected{TLangType::SimplifiedChinese, "信道别名（仅存文件）", "扫描添加", "客户/工单",
                      "（仅存文件）"},
             Expected{TLangType::TraditionalChinese, "信道別名（僅存檔案）", "掃描添加",
                      "客戶/工單", "（僅存檔案）"},
         }) {
        const SheetHeading heading{"North Radio", "555-0100", "Harbour job 17", "harbour.Vkf", "S"};
        const ChannelSheet sheet =
            BuildChannelSheet(image, band, e.language, SheetChannels::InUse, "2026-12-07", heading);
        ASSERT_EQ(sheet.columns.size(), 12u);
        EXPECT_EQ(sheet.columns[8], e.name);
        EXPECT_EQ(sheet.columns[9], e.scan) << "the radio holds the scan list";
        // Name, DTMF and squelch mode; the number and the fields the radio holds are not.
        for (size_t column = 0; column < sheet.columns.size(); ++column) {
            const bool fileOnly = column == 8 || column >= 10;
            EXPECT_EQ(sheet.columns[column].ends_with(e.marker), fileOnly) << sheet.columns[column];
        }
        EXPECT_FALSE(sheet.fileOnlyNote.empty());
        EXPECT_NE(sheet.shop.find("North Radio"), std::string::npos);
        EXPECT_NE(sheet.shop.find("555-0100"), std::string::npos);
        ASSERT_EQ(sheet.facts.size(), 3u);
        EXPECT_EQ(sheet.facts[0],
                  std::make_pair(std::string(e.customer), std::string("Harbour job 17")));
        EXPECT_EQ(sheet.facts[1].second, "harbour.Vkf");
        EXPECT_EQ(sheet.facts[2].second, "S");
    }
    const ChannelSheet bare =
        BuildChannelSheet(image, band, TLangType::English, SheetChannels::InUse, "2026-12-07",
                          SheetHeading{"", "555-0100", "", "", ""});
    EXPECT_TRUE(bare.facts.empty());
    EXPECT_EQ(bare.shop, "Phone: 555-0100");
}

TEST(SheetPaperTest, LetterWhereTheLocaleUsesItA4Elsewhere) {
    EXPECT_EQ(PaperForLocale("en_US.UTF-8"), SheetPaper::Letter);
    EXPECT_EQ(PaperForLocale("fr_CA"), SheetPaper::Letter);
    EXPECT_EQ(PaperForLocale("es_MX.UTF-8@euro"), SheetPaper::Letter);
    EXPECT_EQ(PaperForLocale("en_GB.UTF-8"), SheetPaper::A4);
    EXPECT_EQ(PaperForLocale("zh_CN.UTF-8"), SheetPaper::A4);
    EXPECT_EQ(PaperForLocale("C"), SheetPaper::A4);
    EXPECT_EQ(PaperForLocale(""), SheetPaper::A4);
}

}  // namespace
