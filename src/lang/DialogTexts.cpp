#include "lang/DialogTexts.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

constexpr TextRow kSessionRows[] = {
    {"开始", "開始", "Start"},
    {"取消", "取消", "Cancel"},
    {"无法连接", "無法連接", "Communication False"},
    {"成功", "成功", "SUCCESS"},
    {"密码验证错误!", "密碼驗證錯誤!", "Password Error"},
    {"", "", ""},
    {"", "", ""},
    {"早期版本机子，不支持", "早期版本機子，不支持", "Device is old version"},
};
static_assert(std::size(kSessionRows) == static_cast<std::size_t>(SessionTextId::Count),
              "one row per id");

constexpr TextRow kPortDialogRows[] = {
    {"确认", "確認", "OK"},
    {"取消", "取消", "Cancel"},
    {"自动查找通讯口", "自動查找通訊口", "Auto search COM port"},
};
static_assert(std::size(kPortDialogRows) == static_cast<std::size_t>(PortDialogTextId::Count),
              "one row per id");

// Only OK, Cancel, OpenFile, SaveFile and the clear-all question are shown; the others name the
// calibration dialog's buttons and groups, whose captions stay fixed. The traditional list is
// written in traditional characters like every other table: several of the simplified characters
// here have no Big5 code, so a traditional list holding the simplified texts would reach the screen
// as unreadable bytes once converted.
constexpr TextRow kAdjustmentRows[] = {
    {"确认", "確認", "OK"},
    {"取消", "取消", "Cancel"},
    {"新建", "新建", "New"},
    {"打开", "打開", "Open"},
    {"保存", "保存", "Save"},
    {"写入", "寫入", "Write"},
    {"读取", "讀取", "Read"},
    {"辅助", "輔助", "Assistant"},
    {"设置全部亚音频", "設置全部亞音頻", "Set All CTCSS"},
    {"频率1", "頻率1", "Frequency 1"},
    {"频率2", "頻率2", "Frequency 2"},
    {"频率3", "頻率3", "Frequency 3"},
    {"频率4", "頻率4", "Frequency 4"},
    {"频率5", "頻率5", "Frequency 5"},
    {"频率6", "頻率6", "Frequency 6"},
    {"频率7", "頻率7", "Frequency 7"},
    {"频率8", "頻率8", "Frequency 8"},
    {"频率9", "頻率9", "Frequency 9"},
    {"频率10", "頻率10", "Frequency 10"},
    {"多点调整", "多點調整", "Multiple Adjustment"},
    {"单点调整", "單點調整", "Single Adjustment"},
    {"期望值", "期望值", "Expectation Value"},
    {"打开", "打開", "Open"},
    {"保存", "保存", "Save"},
    {"清除所有数据？", "清除所有數據？", "Clear all data ?"},
    {"APC/TUNE", "APC/TUNE", "APC/TUNE"},
    {"APC", "APC", "APC"},
    {"TUNE", "TUNE", "TUNE"},
};
static_assert(std::size(kAdjustmentRows) == static_cast<std::size_t>(AdjustmentTextId::Count),
              "one row per id");

constexpr TextRow kUserWarnDlgRows[] = {
    {"确认", "確認", "OK"},
};
static_assert(std::size(kUserWarnDlgRows) == static_cast<std::size_t>(UserWarnDlgTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource SessionTextSource() {
    return kSessionRows;
}
const LocalisedTable& SessionTextTable() {
    return TextTable(TextTableId::Session);
}
std::string SessionText(const THaldenFuncs::TAppLang& lang, int index) {
    return SessionTextTable().Text(lang, index);
}

LocalisedTableSource PortDialogTextSource() {
    return kPortDialogRows;
}
const LocalisedTable& PortDialogTextTable() {
    return TextTable(TextTableId::PortDialog);
}
std::string PortDialogText(const THaldenFuncs::TAppLang& lang, int index) {
    return PortDialogTextTable().Text(lang, index);
}

LocalisedTableSource AdjustmentTextSource() {
    return kAdjustmentRows;
}
const LocalisedTable& AdjustmentTextTable() {
    return TextTable(TextTableId::Adjustment);
}
std::string AdjustmentText(const THaldenFuncs::TAppLang& lang, int index) {
    return AdjustmentTextTable().Text(lang, index);
}

LocalisedTableSource UserWarnDlgTextSource() {
    return kUserWarnDlgRows;
}
const LocalisedTable& UserWarnDlgTextTable() {
    return TextTable(TextTableId::UserWarnDlg);
}
std::string UserWarnDlgText(const THaldenFuncs::TAppLang& lang, int index) {
    return UserWarnDlgTextTable().Text(lang, index);
}

}  // namespace radioprog
