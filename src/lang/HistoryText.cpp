#include "lang/HistoryText.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

// Reading a radio is 读频 / 讀頻, as the programming window says; traditional texts use the
// words of the tool's other windows (檔案, 資料夾, 開啟), each with a Big5 code.
constexpr TextRow kHistoryRows[] = {
    {"读频历史(&H)...", "讀頻歷史(&H)...", "Radio &history..."},
    {"读频历史", "讀頻歷史", "Radio history"},
    {"文件夹：%1", "資料夾：%1", "Folder: %1"},
    {"还没有保存任何读频记录", "還沒有儲存任何讀頻記錄", "No read has been kept yet"},
    {"日期时间", "日期時間", "Date and time"},
    {"机型", "機型", "Radio"},
    {"操作", "操作", "Job"},
    {"频段", "頻段", "Band"},
    {"信道", "信道", "Channels"},
    {"上次写频", "上次寫頻", "Last written"},
    {"读频", "讀頻", "Read"},
    {"读校准数据", "讀校準資料", "Calibration read"},
    {"写频前备份", "寫頻前備份", "Backup"},
    {"校准数据备份", "校準資料備份", "Calibration backup"},
    {"旧型", "舊型", "legacy"},
    {"校准点：%1", "校準點：%1", "Calibration points: %1"},
    {"打开", "開啟", "Open"},
    {"关闭", "關閉", "Close"},
    {"校准数据请在校准窗口中打开", "校準資料請在校準視窗中開啟",
     "Calibration data opens in the calibration window"},
    {"读频记录无法保存到历史", "讀頻記錄無法儲存到歷史",
     "The read could not be kept in the history"},
    {"标签", "標籤", "Label"},
    {"搜索：标签、日期、机型、操作、频率", "搜尋：標籤、日期、機型、操作、頻率",
     "Search: label, date, radio, job, frequency"},
    {"日期：", "日期：", "Dates:"},
    {"至", "至", "to"},
    {"编辑标签", "編輯標籤", "Edit label"},
    {"标签无法保存", "標籤無法儲存", "The label could not be saved"},
};
static_assert(std::size(kHistoryRows) == static_cast<std::size_t>(HistoryTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource HistoryTextSource() {
    return kHistoryRows;
}

const LocalisedTable& HistoryTextTable() {
    return TextTable(TextTableId::History);
}

std::string HistoryTextUtf8(const THaldenFuncs::TAppLang& lang, HistoryTextId id) {
    return HistoryTextTable().TextUtf8(lang, static_cast<int>(id));
}

}  // namespace radioprog
