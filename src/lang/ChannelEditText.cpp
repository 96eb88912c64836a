#include "lang/ChannelEditText.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

// The traditional list is written in traditional characters with the words used there
// (復原, 貼上, 匯入), each with a Big5 code.
constexpr TextRow kChannelEditRows[] = {
    {"撤销(&U)", "復原(&U)", "&Undo"},
    {"重做(&D)", "重做(&D)", "Re&do"},
    {"剪切(&T)", "剪下(&T)", "Cu&t"},
    {"复制(&C)", "複製(&C)", "&Copy"},
    {"粘贴(&S)", "貼上(&S)", "Pa&ste"},
    {"清除信道(&L)", "清除信道(&L)", "C&lear channels"},
    {"信道上移(&M)", "信道上移(&M)", "&Move channels up"},
    {"信道下移(&O)", "信道下移(&O)", "Move channels d&own"},
    {"导入信道(&I)...", "匯入信道(&I)...", "&Import channels..."},
    {"导出信道(&X)...", "匯出信道(&X)...", "E&xport channels..."},
    {"无法粘贴信道", "無法貼上信道", "Cannot paste the channels"},
    {"无法导入信道表", "無法匯入信道表", "Cannot import the channel list"},
    {"信道表(*.csv)", "信道表(*.csv)", "Channel list(*.csv)"},
    {"此工程没有信道：写入会清除对讲机的全部16个信道。仍要写入吗？",
     "此工程沒有信道：寫入會清除對講機的全部16個信道。仍要寫入嗎？",
     "This project has no channels: writing it clears all 16 channels of the radio. Write "
     "anyway?"},
    {"%1 超出 %2-%3 MHz：已存为 %4", "%1 超出 %2-%3 MHz：已存為 %4",
     "%1 is outside %2-%3 MHz: stored %4"},
    {"%1 不在信道步进上：已存为 %2", "%1 不在信道步進上：已存為 %2",
     "%1 is not on the channel raster: stored %2"},
    {"%1 不是列表中的亚音：亚音未改变", "%1 不是列表中的亞音：亞音未改變",
     "%1 is not a tone of the list: the tone is unchanged"},
    {"撤销读取(&U)", "復原讀取(&U)", "&Undo read from radio"},
    {"最近打开(&R)", "最近開啟(&R)", "&Recent"},
    {"查看(&V)", "檢視(&V)", "&View"},
    {"全部信道字段(&A)", "全部信道欄位(&A)", "&All channel fields"},
    {"CAT：载波，收到载波时信道为忙", "CAT：載波，收到載波時信道為忙",
     "CAT: carrier. The channel counts as busy while a carrier is heard"},
    {"CHIRP 信道表(*.csv)", "CHIRP 信道表(*.csv)", "CHIRP channel list(*.csv)"},
    {"信道表的信道位置不在 1 至 16。\n从信道 1 起依次放置吗？",
     "信道表的信道位置不在 1 至 16。\n從信道 1 起依次放置嗎？",
     "The list's channels are not at locations 1 to 16.\nPlace them in order from channel 1?"},
    {"该信道表有超过 6 个字节的名称。\n截短名称吗？",
     "該信道表有超過 6 個位元組的名稱。\n截短名稱嗎？",
     "The list has names longer than the radio's 6 bytes.\nShorten them?"},
    {"以下频率不是按输入存储的，将按存储值写入对讲机：\n\n%1\n\n仍要写入吗？",
     "以下頻率不是按輸入儲存的，將按儲存值寫入對講機：\n\n%1\n\n仍要寫入嗎？",
     "These frequencies were not stored as typed and go to the radio as stored:\n\n%1\n\n"
     "Write anyway?"},
    {"CH-%1 %2：输入 %3，存为 %4", "CH-%1 %2：輸入 %3，存為 %4", "CH-%1 %2: typed %3, stored %4"},
    {"向下填充(&F)", "向下填滿(&F)", "&Fill down"},
    {"所选的第一个信道未使用：没有可填充的值", "所選的第一個信道未使用：沒有可填滿的值",
     "The first selected channel is not in use: there is no value to fill down"},
    {"应用到所选的 %1 个信道吗？", "套用到所選的 %1 個信道嗎？",
     "Apply to the %1 selected channels?"},
    {"应用", "套用", "Apply"},
    {"仅此信道", "僅此信道", "Only this channel"},
    {"收发频差(&X)...", "收發頻差(&X)...", "Duple&x offset..."},
    {"发射频率 = 接收频率 + 或 - 频差（0：与接收相同）：",
     "發射頻率 = 接收頻率 + 或 - 頻差（0：與接收相同）：",
     "TX = RX + or - the offset (0: the same as RX):"},
    {"“%1”不是频差：请输入 + 或 - 及兆赫数，例如 +5 或 -7.6",
     "「%1」不是頻差：請輸入 + 或 - 及兆赫數，例如 +5 或 -7.6",
     "\"%1\" is not an offset: type + or - and megahertz, e.g. +5 or -7.6"},
    {"CH-%1：发射频率 %2 MHz 超出频段 %3-%4 MHz。所有信道均未更改。",
     "CH-%1：發射頻率 %2 MHz 超出頻段 %3-%4 MHz。所有信道均未變更。",
     "CH-%1: TX %2 MHz is outside the band %3-%4 MHz. No channel was changed."},
    {"CH-%1：发射频率 %2 MHz 不在信道步进上。所有信道均未更改。",
     "CH-%1：發射頻率 %2 MHz 不在信道步進上。所有信道均未變更。",
     "CH-%1: TX %2 MHz is not on the channel raster. No channel was changed."},
    {"所选信道均未使用", "所選信道均未使用", "None of the selected channels is in use"},
};
static_assert(std::size(kChannelEditRows) == static_cast<std::size_t>(ChannelEditTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource ChannelEditTextSource() {
    return kChannelEditRows;
}

const LocalisedTable& ChannelEditTextTable() {
    return TextTable(TextTableId::ChannelEdit);
}

std::string ChannelEditTextUtf8(const THaldenFuncs::TAppLang& lang, ChannelEditTextId id) {
    return ChannelEditTextTable().TextUtf8(lang, static_cast<int>(id));
}

}  // namespace radioprog
