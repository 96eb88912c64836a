#include "lang/DialogTexts.h"

#include <array>

namespace radioprog {
namespace {

constexpr std::array<TextRow, kSessionTextCount> kSessionRows = {{
    {"开始", "開始", "Start"},
    {"取消", "取消", "Cancel"},
    {"无法连接", "無法連接", "Communication False"},
    {"成功", "成功", "SUCCESS"},
    {"密码验证错误!", "密碼驗證錯誤!", "Password Error"},
    {"", "", ""},
    {"", "", ""},
    {"早期版本机子，不支持", "早期版本機子，不支持", "Device is old version"},
}};

constexpr std::array<TextRow, kPortDialogTextCount> kPortDialogRows = {{
    {"确认", "確認", "OK"},
    {"取消", "取消", "Cancel"},
    {"自动查找通讯口", "自動查找通訊口", "Auto search COM port"},
}};

// Only 0, 1 and 22..24 are shown; the others name the calibration dialog's buttons and
// groups, whose captions stay fixed. The traditional list is written in traditional
// characters like every other table: several of the simplified characters here have no Big5
// code, so a traditional list holding the simplified texts would reach the screen as
// unreadable bytes once converted.
constexpr std::array<TextRow, kAdjustmentTextCount> kAdjustmentRows = {{
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
}};

constexpr std::array<TextRow, kUserWarnDlgTextCount> kUserWarnDlgRows = {{
    {"确认", "確認", "OK"},
}};

}  // namespace

LocalisedTableSource SessionTextSource() {
    return kSessionRows;
}
const LocalisedTable& SessionTextTable() {
    static const LocalisedTable table(kSessionRows);
    return table;
}
std::string SessionText(const THaldenFuncs::TAppLang& lang, int index) {
    return SessionTextTable().Text(lang, index);
}

LocalisedTableSource PortDialogTextSource() {
    return kPortDialogRows;
}
const LocalisedTable& PortDialogTextTable() {
    static const LocalisedTable table(kPortDialogRows);
    return table;
}
std::string PortDialogText(const THaldenFuncs::TAppLang& lang, int index) {
    return PortDialogTextTable().Text(lang, index);
}

LocalisedTableSource AdjustmentTextSource() {
    return kAdjustmentRows;
}
const LocalisedTable& AdjustmentTextTable() {
    static const LocalisedTable table(kAdjustmentRows);
    return table;
}
std::string AdjustmentText(const THaldenFuncs::TAppLang& lang, int index) {
    return AdjustmentTextTable().Text(lang, index);
}

LocalisedTableSource UserWarnDlgTextSource() {
    return kUserWarnDlgRows;
}
const LocalisedTable& UserWarnDlgTextTable() {
    static const LocalisedTable table(kUserWarnDlgRows);
    return table;
}
std::string UserWarnDlgText(const THaldenFuncs::TAppLang& lang, int index) {
    return UserWarnDlgTextTable().Text(lang, index);
}

}  // namespace radioprog
