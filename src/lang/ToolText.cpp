#include "lang/ToolText.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

// The port is 通讯口 / 通訊口 as in the port window; traditional texts use the words used
// there (檔案, 程式, 裝置), each with a Big5 code.
constexpr TextRow kToolRows[] = {
    {"频段", "頻段", "Band"},
    {"从", "從", "From"},
    {"到", "到", "To"},
    {"“%1”不是有效的数字", "「%1」不是有效的數字", "'%1' is not a valid number"},
    {"无法打开文件", "無法開啟檔案", "Cannot open the file"},
    {"无法保存文件", "無法儲存檔案", "Cannot save the file"},
    {"通讯口：%1", "通訊口：%1", "Port: %1"},
    {"已查找的通讯口：%1", "已查找的通訊口：%1", "Ports searched: %1"},
    {"没有可用的通讯口", "沒有可用的通訊口", "No port could be opened"},
    {"对讲机是否已开机，写频线是否插好？", "對講機是否已開機，寫頻線是否插好？",
     "Is the radio switched on and the cable seated?"},
    {"是否有其他程序正在使用该通讯口？", "是否有其他程式正在使用該通訊口？",
     "Is another program using the port?"},
    {"%1 不存在：写频线是否已插上？", "%1 不存在：寫頻線是否已插上？",
     "%1 does not exist: is the cable plugged in?"},
    {"%1 不是串口设备", "%1 不是串列埠裝置", "%1 is not a serial device"},
    {"%1 正被其他程序使用，请先关闭该程序", "%1 正被其他程式使用，請先關閉該程式",
     "%1 is in use by another program: close that program first"},
    {"没有打开 %1 的权限", "沒有開啟 %1 的權限", "You may not open %1"},
    {"无法打开 %1", "無法開啟 %1", "Cannot open %1"},
    {"输入维修访问码", "輸入維修存取碼", "Input service access code"},
    {"取消", "取消", "Cancel"},
    {"MHz", "MHz", "MHz"},
};
static_assert(std::size(kToolRows) == static_cast<std::size_t>(ToolTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource ToolTextSource() {
    return kToolRows;
}

const LocalisedTable& ToolTextTable() {
    return TextTable(TextTableId::Tool);
}

std::string ToolTextUtf8(const THaldenFuncs::TAppLang& lang, ToolTextId id) {
    return ToolTextTable().TextUtf8(lang, static_cast<int>(id));
}

}  // namespace radioprog
