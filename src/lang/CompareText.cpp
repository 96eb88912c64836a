#include "lang/CompareText.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

// Data is 数据 / 數據 as in "Clear all data ?"; the traditional file is 檔案 as in the file
// error headings. Every traditional character has a Big5 code.
constexpr TextRow kCompareRows[] = {
    {"与文件比较(&C)...", "與檔案比較(&C)...", "&Compare with file..."},
    {"与对讲机比较(&M)...", "與對講機比較(&M)...", "Co&mpare with radio..."},
    {"比较", "比較", "Compare"},
    {"当前数据", "當前數據", "Current project"},
    {"文件：%1", "檔案：%1", "File: %1"},
    {"对讲机", "對講機", "Radio"},
    {"显示相同的信道", "顯示相同的信道", "Show identical channels"},
    {"信道 %1：相同", "信道 %1：相同", "Channel %1: identical"},
    {"信道 %1-%2：相同", "信道 %1-%2：相同", "Channels %1-%2: identical"},
    {"（未使用）", "（未使用）", "(not in use)"},
    {"不同之处：%1", "不同之處：%1", "Differences: %1"},
    {"两份数据相同", "兩份數據相同", "No differences: the two are the same"},
    {"设置", "設置", "Setting"},
    {"关闭", "關閉", "Close"},
    {"频段", "頻段", "band"},
    {"信道 %1", "信道 %1", "channel %1"},
    {"选项", "選項", "option"},
    {"设置", "設置", "setting"},
    {"通讯录 %1", "通訊錄 %1", "address book %1"},
    {"（已隐藏）", "（已隱藏）", "(hidden)"},
    {"未比较（%1 型对讲机不保存这些字段）：%2", "未比較（%1 型對講機不保存這些欄位）：%2",
     "Not compared, as a radio of kind %1 does not hold them: %2"},
};
static_assert(std::size(kCompareRows) == static_cast<std::size_t>(CompareTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource CompareTextSource() {
    return kCompareRows;
}

const LocalisedTable& CompareTextTable() {
    return TextTable(TextTableId::Compare);
}

std::string CompareTextUtf8(const THaldenFuncs::TAppLang& lang, CompareTextId id) {
    return CompareTextTable().TextUtf8(lang, static_cast<int>(id));
}

std::string CompareTextUtf8(THaldenFuncs::TLangType language, CompareTextId id) {
    return CompareTextTable().TextUtf8(language, static_cast<int>(id));
}

}  // namespace radioprog
