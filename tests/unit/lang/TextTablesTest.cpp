#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include "lang/AppLang.h"
#include "lang/BenchText.h"
#include "lang/ChannelEditText.h"
#include "lang/CompareText.h"
#include "lang/DialogTexts.h"
#include "lang/HistoryText.h"
#include "lang/ImportText.h"
#include "lang/InterfaceText.h"
#include "lang/ProjectFileText.h"
#include "lang/SheetText.h"
#include "lang/TextCodec.h"
#include "lang/TextTableRegistry.h"
#include "lang/ToolText.h"
#include "lang/WindowText.h"
#include "lang/WriteCheckText.h"
#include "lang/WriteRefusalText.h"
#include "support/Hex.h"

namespace radioprog {
// Parameterised tests name the table, not its bytes.
void PrintTo(const TextTableEntry& entry, std::ostream* out) {
    *out << entry.name;
}
}  // namespace radioprog

namespace {

using radioprog::testing::ToHex;

using radioprog::CodePage;
using radioprog::LocalisedTable;
using radioprog::LocalisedTableSource;
using radioprog::TextRow;
using THaldenFuncs::TAppLang;
using THaldenFuncs::TLangType;

TAppLang LangOf(TLangType type) {
    TAppLang lang("en_US");
    lang.SetLangType(type);
    return lang;
}

struct NamedTable {
    const char* name;
    LocalisedTableSource source;
    const LocalisedTable& table;
};

class TextTablesTest : public ::testing::TestWithParam<radioprog::TextTableEntry> {
  protected:
    static NamedTable Table(const radioprog::TextTableEntry& entry) {
        return {entry.name.data(), entry.source(), radioprog::TextTable(entry.id)};
    }
};

TEST_P(TextTablesTest, TraditionalTextsComeOutAsBig5OfTheSameCharacters) {
    // A simplified character left in the traditional list has no Big5 code, stays GBK and
    // decodes to something else.
    const NamedTable t = Table(GetParam());
    const TAppLang lang = LangOf(TLangType::TraditionalChinese);
    ASSERT_EQ(t.table.size(), t.source.size());
    for (int i = 0; i < static_cast<int>(t.source.size()); ++i) {
        const std::string big5 = t.table.Text(lang, i);
        EXPECT_EQ(radioprog::DecodeCodePage(big5, CodePage::Big5), t.source[i].traditional)
            << t.name << " " << i;
        EXPECT_EQ(t.table.TextUtf8(lang, i), t.source[i].traditional) << t.name << " " << i;
    }
}

TEST_P(TextTablesTest, SimplifiedTextsAreStoredAndShownAsGbk) {
    const NamedTable t = Table(GetParam());
    const TAppLang lang = LangOf(TLangType::SimplifiedChinese);
    for (int i = 0; i < static_cast<int>(t.source.size()); ++i) {
        const std::string gbk = t.table.Text(lang, i);
        EXPECT_EQ(gbk, t.table.Stored(TLangType::SimplifiedChinese, i)) << t.name << " " << i;
        EXPECT_EQ(radioprog::DecodeCodePage(gbk, CodePage::Gbk), t.source[i].simplified)
            << t.name << " " << i;
    }
}

TEST_P(TextTablesTest, EnglishTextsAreAsciiAndPassUnchangedInEveryLanguage) {
    const NamedTable t = Table(GetParam());
    for (const TLangType type :
         {TLangType::English, TLangType::SimplifiedChinese, TLangType::TraditionalChinese}) {
        const TAppLang lang = LangOf(type);
        for (int i = 0; i < static_cast<int>(t.source.size()); ++i) {
            const std::string english = t.source[i].english;
            for (const char c : english) {
                ASSERT_LT(static_cast<unsigned char>(c), 0x80) << t.name << " " << i;
            }
            EXPECT_EQ(lang.FromGBK(english), english) << t.name << " " << i;
            EXPECT_EQ(radioprog::DecodeForDisplay(english, lang), english) << t.name << " " << i;
        }
    }
    const TAppLang english = LangOf(TLangType::English);
    for (int i = 0; i < static_cast<int>(t.source.size()); ++i) {
        EXPECT_EQ(t.table.Text(english, i), t.source[i].english) << t.name << " " << i;
    }
}

TEST_P(TextTablesTest, EveryRowIsTranslatedOrReservedInAllThreeLanguages) {
    const NamedTable t = Table(GetParam());
    for (std::size_t i = 0; i < t.source.size(); ++i) {
        const TextRow& row = t.source[i];
        const bool reserved = std::string_view(row.english).empty();
        EXPECT_EQ(std::string_view(row.simplified).empty(), reserved) << t.name << " " << i;
        EXPECT_EQ(std::string_view(row.traditional).empty(), reserved) << t.name << " " << i;
    }
}

TEST_P(TextTablesTest, IndexOutsideTheTableGivesEmptyText) {
    const NamedTable t = Table(GetParam());
    for (const TLangType type :
         {TLangType::English, TLangType::SimplifiedChinese, TLangType::TraditionalChinese}) {
        const TAppLang lang = LangOf(type);
        EXPECT_EQ(t.table.Text(lang, -1), "") << t.name;
        EXPECT_EQ(t.table.Text(lang, static_cast<int>(t.source.size())), "") << t.name;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTables, TextTablesTest,
                         ::testing::ValuesIn(radioprog::AllTextTables().begin(),
                                             radioprog::AllTextTables().end()),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// The registry is the only place a table is built; each table's own accessor must hand out
// that one object, and no table may stand in the list twice (which would leave another out).
TEST(TextTableRegistryTest, EachTableIsListedOnceAndItsAccessorReadsTheListedTable) {
    using radioprog::TextTableId;
    struct Accessor {
        const LocalisedTable& (*table)();
        TextTableId id;
    };
    constexpr Accessor kAccessors[] = {
        {radioprog::InterfaceText, TextTableId::Interface},
        {radioprog::SessionTextTable, TextTableId::Session},
        {radioprog::PortDialogTextTable, TextTableId::PortDialog},
        {radioprog::AdjustmentTextTable, TextTableId::Adjustment},
        {radioprog::UserWarnDlgTextTable, TextTableId::UserWarnDlg},
        {radioprog::ChannelEditTextTable, TextTableId::ChannelEdit},
        {radioprog::ToolTextTable, TextTableId::Tool},
        {radioprog::SheetTextTable, TextTableId::Sheet},
        {radioprog::WriteCheckTextTable, TextTableId::WriteCheck},
        {radioprog::CompareTextTable, TextTableId::Compare},
        {radioprog::HistoryTextTable, TextTableId::History},
        {radioprog::WriteRefusalTextTable, TextTableId::WriteRefusal},
        {radioprog::BenchTextTable, TextTableId::Bench},
        {radioprog::WindowTextTable, TextTableId::Window},
        {radioprog::ProjectFileTextTable, TextTableId::ProjectFile},
        {radioprog::ImportTextTable, TextTableId::Import},
    };
    static_assert(std::size(kAccessors) == static_cast<std::size_t>(TextTableId::Count));
    for (const Accessor& accessor : kAccessors) {
        EXPECT_EQ(&accessor.table(), &radioprog::TextTable(accessor.id))
            << static_cast<int>(accessor.id);
    }

    const auto entries = radioprog::AllTextTables();
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(TextTableId::Count));
    std::set<std::string_view> names;
    std::set<const TextRow*> rows;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(entries[i].id), i) << entries[i].name;
        EXPECT_TRUE(names.insert(entries[i].name).second) << entries[i].name;
        EXPECT_TRUE(rows.insert(entries[i].source().data()).second) << entries[i].name;
        EXPECT_EQ(radioprog::TextTable(entries[i].id).size(), entries[i].source().size())
            << entries[i].name;
    }
}

struct QuotedRow {
    std::string (*lookup)(const TAppLang&, int);
    int index;
    const char* english;
    const char* gbkHex;   // simplified, as stored
    const char* big5Hex;  // traditional, as shown
};

TEST(QuotedRowsTest, TextsAreExactlyTheKnownBytes) {
    const QuotedRow rows[] = {
        {radioprog::LangText, 7, "&Read from radio", "b6c1c6b528265229", "c5aac05728265229"},
        {radioprog::LangText, 155, "Clear all data ?", "c7e5b3fdcbf9d3d0cafdbedda3bf",
         "b24db0a3a9d2a6b3bcc6bedaa148"},
        {radioprog::LangText, 197, "Do you want to save data ?",
         "b9d8b1d5d3a6d3c3b3ccd0f2c7b0b1a3b4e6cafdbedd20a3bf",
         "c3f6b3acc0b3a5ceb57ba7c7ab65ab4fa673bcc6beda20a148"},
        {radioprog::LangText, 129, "Address Book Edit", "cda8d1b6b1beb1e0bcad",
         "b371b054c1a1bd73bfe8"},
        {radioprog::LangText, 194, "Battery Power Indicator", "b5e7c1bfb2e9d1af",
         "b971b671c0cbac64"},
        {radioprog::SessionText, 4, "Password Error", "c3dcc2ebd1e9d6a4b4edcef321",
         "b14bbd58c5e7c3d2bff9bb7e21"},
        {radioprog::SessionText, 7, "Device is old version",
         "d4e7c6dab0e6b1bebbfad7d3a3acb2bbd6a7b3d6", "a6adb4c1aaa9a5bbbef7a46ca141a4a3a4e4abf9"},
        {radioprog::PortDialogText, 2, "Auto search COM port", "d7d4b6afb2e9d5d2cda8d1b6bfda",
         "a6dbb0caac64a7e4b371b054a466"},
        {radioprog::UserWarnDlgText, 0, "OK", "c8b7c8cf", "bd54bb7b"},
        {radioprog::AdjustmentText, 24, "Clear all data ?", "c7e5b3fdcbf9d3d0cafdbedda3bf",
         "b24db0a3a9d2a6b3bcc6bedaa148"},
    };
    for (const QuotedRow& row : rows) {
        EXPECT_EQ(row.lookup(LangOf(TLangType::English), row.index), row.english);
        EXPECT_EQ(ToHex(row.lookup(LangOf(TLangType::SimplifiedChinese), row.index)), row.gbkHex)
            << row.english;
        EXPECT_EQ(ToHex(row.lookup(LangOf(TLangType::TraditionalChinese), row.index)), row.big5Hex)
            << row.english;
    }
}

// The rows whose three texts are fixed, character for character, in every language.
TEST(InterfaceTextTest, FixedRowsReadExactlyInAllThreeLanguages) {
    struct Row {
        int id;
        const char* simplified;
        const char* traditional;
        const char* english;
    };
    const Row rows[] = {
        {1, "文件(&F)", "文件(&F)", "&File"},
        {2, "新建(&N)", "新建(&N)", "&New"},
        {3, "打开(&O)", "打開(&O)", "&Open"},
        {4, "保存(&S)", "保存(&S)", "&Save"},
        {5, "退出(&E)", "退出(&E)", "&Exit"},
        {6, "编辑(&E)", "編輯(&E)", "&Edit"},
        {7, "读频(&R)", "讀頻(&R)", "&Read from radio"},
        {8, "写频(&W)", "寫頻(&W)", "&Write to radio"},
        {9, "通讯端口(&C)", "通訊端口(&C)", "&Communication Port"},
        {10, "语言(&L)", "語言(&L)", "&Language"},
        {11, "中文(简体)(&S)", "中文(簡體)(&S)", "Chinese(&Simplified)"},
        {12, "中文(繁体)(&T)", "中文(繁體)(&T)", "Chinese(&Traditional)"},
        {13, "英文(&E)", "英文(&E)", "&English"},
        {14, "帮助(&H)", "幫助(&H)", "&Help"},
        {15, "信道", "信道", "NO."},
        {16, "接收频率", "接收頻率", "RX Freq."},
        {17, "发射频率", "發射頻率", "TX Freq."},
        {18, "亚音频解码", "亞音頻解碼", "QT/DQT Dec"},
        {19, "亚音频编码", "亞音頻編碼", "QT/DQT Enc"},
        {20, "发射功率", "發射功率", "TX Power"},
        {21, "宽/窄带", "寬/窄帶", "Bandwidth"},
        {22, "扫描添加", "掃描添加", "SCN"},
        {23, "遇忙禁发", "遇忙禁發", "Busy Inhibit"},
        {24, "信道别名", "信道別名", "Name"},
        {25, "信道编辑", "信道編輯", "Channel information"},
        {26, "高", "高", "High"},
        {27, "低", "低", "Low"},
        {28, "宽带", "寬帶", "Wide"},
        {29, "窄带", "窄帶", "Narrow"},
        {30, "添加", "添加", "ADD"},
        {31, "删除", "刪除", "DEL"},
        {32, "关闭", "關閉", "OFF"},
        {33, "载波", "載波", "CAT"},
        {34, "信令", "信令", "DQT"},
        {35, "功能选项", "功能選項", "Optional Features"},
        {75, "关闭", "關閉", "OFF"},
        {76, "载波", "載波", "Carrier"},
        {77, "DTMF", "DTMF", "DTMF"},
        {78, "亚音频", "亞音頻", "CTC/DCS"},
        {79, "DTMF与亚音频", "DTMF與亞音頻", "DTMF and CTC/DCS"},
        {80, "DTMF或亚音频", "DTMF或亞音頻", "DTMF or CTC/DCS"},
        {112, "载波", "載波", "Carrier"},
        {113, "时间", "時間", "Time"},
        {114, "搜索", "搜索", "Seek"},
        {129, "通讯本编辑", "通訊薄編輯", "Address Book Edit"},
        {153, "确定", "確定", "Ok"},
        {154, "取消", "取消", "Cannel"},
        {155, "清除所有数据？", "清除所有數據？", "Clear all data ?"},
        {156, "遥晕", "遙暈", "Remote Kill"},
        {157, "遥毙", "遙斃", "Remote Stun"},
        {158, "激活", "激活", "Revive"},
        {194, "电量查询", "電量檢查", "Battery Power Indicator"},
        {197, "关闭应用程序前保存数据 ？", "關閉應用程序前保存數據 ？",
         "Do you want to save data ?"},
        {198, "是", "是", "Yes"},
        {199, "否", "否", "No"},
        {212, "最后编程日期", "最後編程時間", "Last Program Date"},
        {230, "从机报警间隔", "從機報警時間", "Slave Alarm Period"},
        {231, "密码(&P)", "密碼(&P)", "&Password"},
        {232, "密码", "密碼", "Password"},
        {233, "新密码", "新密碼", "New Password"},
        {234, "请输入密码", "請輸入密碼", "Input Password"},
        {235, "确认新密码", "確認新密碼", "New Password Sure"},
        {236, "写数据", "寫數據", "Write"},
        {237, "两次输入不同", "兩次輸入不同", "Password not match"},
        {238, "频段", "頻段", "Frequency Band"},
        {241, "自动复位时间(秒)", "自動恢復時間(秒)", "Auto reset time(s)"},
        {247, "读频", "讀頻", "Read from radio"},
        {248, "写频", "寫頻", "Write to radio"},
        {251, "非标准值", "非標準值", "Nonstandard value"},
        {270, "客服专线", "客服專線", "Hotline Counseling"},
    };
    const TAppLang simplified = LangOf(TLangType::SimplifiedChinese);
    const TAppLang traditional = LangOf(TLangType::TraditionalChinese);
    const TAppLang english = LangOf(TLangType::English);
    for (const Row& row : rows) {
        EXPECT_EQ(radioprog::LangTextUtf8(simplified, row.id), row.simplified) << row.id;
        EXPECT_EQ(radioprog::LangTextUtf8(traditional, row.id), row.traditional) << row.id;
        EXPECT_EQ(radioprog::LangText(english, row.id), row.english) << row.id;
    }
}

TEST(InterfaceTextTest, ReservedRowsAreEmptyAndTheirNeighboursKeepTheirIds) {
    for (const int reserved : {255, 256, 259, 260, 261, 262, 263, 264, 265, 266, 267}) {
        EXPECT_EQ(radioprog::LangText(LangOf(TLangType::TraditionalChinese), reserved), "");
    }
    const TAppLang english = LangOf(TLangType::English);
    EXPECT_EQ(radioprog::LangText(english, 0), "QM740-2B");
    EXPECT_EQ(radioprog::LangText(english, 254), "Radio");
    EXPECT_EQ(radioprog::LangText(english, 257), "Set radio new password");
    EXPECT_EQ(radioprog::LangText(english, 268), "Alarm Code");
    EXPECT_EQ(radioprog::LangText(english, 270), "Hotline Counseling");
    EXPECT_EQ(radioprog::LangText(english, 271), "");
}

TEST(InterfaceTextTest, LookupFollowsTheLanguageSetAtCallTime) {
    TAppLang lang("zh_TW");
    const std::string traditional = radioprog::LangText(lang, 247);
    lang.SetLangType(TLangType::SimplifiedChinese);
    const std::string simplified = radioprog::LangText(lang, 247);
    lang.SetLangType(TLangType::English);
    EXPECT_EQ(radioprog::LangText(lang, 247), "Read from radio");
    EXPECT_EQ(radioprog::DecodeCodePage(traditional, CodePage::Big5), "讀頻");
    EXPECT_EQ(radioprog::DecodeCodePage(simplified, CodePage::Gbk), "读频");
    lang.SetLangType(TLangType::TraditionalChinese);
    EXPECT_EQ(radioprog::LangTextUtf8(lang, 247), "讀頻");
}

}  // namespace
