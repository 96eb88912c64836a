#include "lang/WriteCheckText.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

constexpr TextRow kWriteCheckRows[] = {
    {"写入前备份", "寫入前備份", "Back up before writing"},
    {"写入后校验", "寫入後校驗", "Verify after writing"},
    {"校验失败：对讲机中的数据与写入的不同。", "校驗失敗：對講機中的資料與寫入的不同。",
     "Verify failed: the radio does not hold what was written."},
    {"不同之处：%1", "不同之處：%1", "Differs: %1"},
    {"地址：%1", "位址：%1", "Addresses: %1"},
    {"无法保存备份，未写入任何数据。", "無法儲存備份，未寫入任何資料。",
     "The backup could not be kept: nothing was written."},
    {"写下一台(&N)", "寫下一台(&N)", "Write to &next radio"},
    {"本次已写入 %1 台对讲机", "本次已寫入 %1 台對講機",
     "Radios written since the window opened: %1"},
    {"设置", "設定", "settings"},
    {"密码", "密碼", "password"},
    {"信道 %1", "信道 %1", "channel %1"},
    {"校准数据", "校準資料", "calibration block"},
    {"正在读取对讲机以备份...", "正在讀取對講機以備份...", "Reading the radio for the backup..."},
    {"正在写入...", "正在寫入...", "Writing..."},
    {"正在回读校验...", "正在回讀校驗...", "Reading back to verify..."},
    {"所有数据块均已写入并得到对讲机确认，但回读校验未能进行：对讲机中的数据未经校验。",
     "所有資料塊均已寫入並得到對講機確認，但回讀校驗未能進行：對講機中的資料未經校驗。",
     "Every block was written and acknowledged, but the read-back could not run: the radio "
     "is unverified."},
    {"通讯口：自动搜索", "通訊口：自動搜尋", "Port: auto search"},
    {"上次读取的对讲机：%1，最后写入 %2", "上次讀取的對講機：%1，最後寫入 %2",
     "Radio last read: %1, last written %2"},
    {"重试", "重試", "Retry"},
    {"等待对讲机", "等待對講機", "Wait for the radio"},
    {"正在等待对讲机...", "正在等待對講機...", "Waiting for a radio..."},
    {"每行：写入的值 -> 从对讲机读回的值", "每行：寫入的值 -> 從對講機讀回的值",
     "Each line: as written -> as read back from the radio"},
};
static_assert(std::size(kWriteCheckRows) == static_cast<std::size_t>(WriteCheckTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource WriteCheckTextSource() {
    return kWriteCheckRows;
}

const LocalisedTable& WriteCheckTextTable() {
    return TextTable(TextTableId::WriteCheck);
}

std::string WriteCheckTextUtf8(const THaldenFuncs::TAppLang& lang, WriteCheckTextId id) {
    return WriteCheckTextTable().TextUtf8(lang, static_cast<int>(id));
}

}  // namespace radioprog
