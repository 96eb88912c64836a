#include "lang/ChannelEditText.h"

#include <array>

namespace radioprog {
namespace {

// The traditional list is written in traditional characters with the words used there
// (復原, 貼上, 匯入), each with a Big5 code.
constexpr std::array<TextRow, kChannelEditTextCount> kChannelEditRows = {{
    {"撤销(&U)", "復原(&U)", "&Undo"},
    {"重做(&D)", "重做(&D)", "Re&do"},
    {"剪切(&T)", "剪下(&T)", "Cu&t"},
    {"复制(&C)", "複製(&C)", "&Copy"},
    {"粘贴(&S)", "貼上(&S)", "Pa&ste"},
    {"清除信道", "清除信道", "Clear channels"},
    {"信道上移", "信道上移", "Move channels up"},
    {"信道下移", "信道下移", "Move channels down"},
    {"导入信道(&I)...", "匯入信道(&I)...", "&Import channels..."},
    {"导出信道(&X)...", "匯出信道(&X)...", "E&xport channels..."},
    {"无法粘贴信道", "無法貼上信道", "Cannot paste the channels"},
    {"无法导入信道表", "無法匯入信道表", "Cannot import the channel list"},
    {"信道表(*.csv)", "信道表(*.csv)", "Channel list(*.csv)"},
    {"CHIRP 信道表(*.csv)", "CHIRP 信道表(*.csv)", "CHIRP channel list(*.csv)"},
    {"信道表的信道位置不在 1 至 16。\n从信道 1 起依次放置吗？",
     "信道表的信道位置不在 1 至 16。\n從信道 1 起依次放置嗎？",
     "The list's channels are not at locations 1 to 16.\nPlace them in order from channel 1?"},
    {"该信道表有超过 6 个字节的名称。\n截短名称吗？",
     "該信道表有超過 6 個位元組的名稱。\n截短名稱嗎？",
     "The list has names longer than the radio's 6 bytes.\nShorten them?"},
}};

}  // namespace

LocalisedTableSource ChannelEditTextSource() {
    return kChannelEditRows;
}

const LocalisedTable& ChannelEditTextTable() {
    static const LocalisedTable table(kChannelEditRows);
    return table;
}

std::string ChannelEditTextUtf8(const THaldenFuncs::TAppLang& lang, ChannelEditTextId id) {
    return ChannelEditTextTable().TextUtf8(lang, static_cast<int>(id));
}

}  // namespace radioprog
