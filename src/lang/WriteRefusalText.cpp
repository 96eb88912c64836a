#include "lang/WriteRefusalText.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

constexpr TextRow kWriteRefusalRows[] = {
    {"频段 %1 不是对讲机可接受的频段（136-174、200-260、300-520 "
     "MHz），未写入任何数据。请先在频段设置窗口中设置频段。",
     "頻段 %1 不是對講機可接受的頻段（136-174、200-260、300-520 "
     "MHz），未寫入任何資料。請先在頻段設定視窗中設定頻段。",
     "The band %1 is not one the radio accepts (136-174, 200-260, 300-520 MHz): "
     "nothing was written. Set the band in the band dialog first."},
    {"以下信道的频率超出对讲机的范围（136-174、200-260、300-520 "
     "MHz）：%1。未写入任何数据。请先修改或清除这些信道。",
     "以下信道的頻率超出對講機的範圍（136-174、200-260、300-520 "
     "MHz）：%1。未寫入任何資料。請先修改或清除這些信道。",
     "Channels with frequencies the radio cannot hold (136-174, 200-260, 300-520 MHz): %1. "
     "Nothing was written. Correct or clear them first."},
    {"这不是对讲机可接受的校准数据，以下数值超出范围：%1",
     "這不是對講機可接受的校準資料，以下數值超出範圍：%1",
     "This is no calibration data the radio can take; values out of range: %1"},
    {"这不是对讲机可接受的校准数据：全部 160 个字节都是 %1。",
     "這不是對講機可接受的校準資料：全部 160 個位元組都是 %1。",
     "This is no calibration data the radio can take: all its 160 bytes are %1."},
    {"仍要写入吗？写入前会先把对讲机的校准数据备份到历史记录中。",
     "仍要寫入嗎？寫入前會先把對講機的校準資料備份到歷史記錄中。",
     "Write it anyway? The radio's calibration is kept in the history first."},
};
static_assert(std::size(kWriteRefusalRows) == static_cast<std::size_t>(WriteRefusalTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource WriteRefusalTextSource() {
    return kWriteRefusalRows;
}

const LocalisedTable& WriteRefusalTextTable() {
    return TextTable(TextTableId::WriteRefusal);
}

std::string WriteRefusalTextUtf8(const THaldenFuncs::TAppLang& lang, WriteRefusalTextId id) {
    return WriteRefusalTextTable().TextUtf8(lang, static_cast<int>(id));
}

}  // namespace radioprog
