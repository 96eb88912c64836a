#include "lang/BenchText.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

constexpr TextRow kBenchRows[] = {
    {"多台同时写频(&V)...", "多台同時寫頻(&V)...", "Program se&veral radios..."},
    {"全部开始(&S)", "全部開始(&S)", "&Start all"},
    {"全部停止(&T)", "全部停止(&T)", "S&top all"},
    {"自动：接上对讲机即写入(&A)", "自動：接上對講機即寫入(&A)",
     "&Automatic: write each radio as it is connected"},
    {"重试", "重試", "Retry"},
    {"就绪", "就緒", "Ready"},
    {"已写入：请取下对讲机", "已寫入：請取下對講機", "Written: take the radio off the cable"},
    {"成功", "成功", "SUCCESS"},
    {"失败", "失敗", "FAILED"},
    {"写入中途停止：对讲机可能只写入了一部分。", "寫入中途停止：對講機可能只寫入了一部分。",
     "Stopped in the middle of the write: the radio may be half written."},
    {"对讲机：%1", "對講機：%1", "Radio: %1"},
    {"对讲机：-", "對講機：-", "Radio: -"},
    {"成功 %1，失败 %2", "成功 %1，失敗 %2", "Done %1, failed %2"},
    {"全部通讯口：成功 %1，失败 %2", "全部通訊口：成功 %1，失敗 %2",
     "All cables: done %1, failed %2"},
    {"没有串口。接上编程线后会自动出现在这里。", "沒有串口。接上編程線後會自動出現在這裡。",
     "No serial port is present. Cables appear here as they are plugged in."},
    {"编程线已拔出", "編程線已拔出", "Cable unplugged"},
};
static_assert(std::size(kBenchRows) == static_cast<std::size_t>(BenchTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource BenchTextSource() {
    return kBenchRows;
}

const LocalisedTable& BenchTextTable() {
    return TextTable(TextTableId::Bench);
}

std::string BenchTextUtf8(const THaldenFuncs::TAppLang& lang, BenchTextId id) {
    return BenchTextTable().TextUtf8(lang, static_cast<int>(id));
}

}  // namespace radioprog
