#include "lang/ImportText.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

constexpr TextRow kImportRows[] = {
    {"行", "行", "Row"},
    {"频率", "頻率", "Frequency"},
    {"名称", "名稱", "Name"},
    {"可否导入", "可否匯入", "Fit"},
    {"信道", "信道", "Channel"},
    {"可导入", "可匯入", "Fits"},
    {"从信道 1 起依次放置(&P)", "從信道 1 起依次放置(&P)", "&Place in order from channel 1"},
    {"截短超过 6 个字节的名称(&S)", "截短超過 6 個位元組的名稱(&S)",
     "&Shorten names longer than 6 bytes"},
    {"替换其他信道(&R)", "替換其他信道(&R)", "&Replace the other channels"},
    {"导入(&I)", "匯入(&I)", "&Import"},
    {"已勾选 %1 行，共 %2 行；其中 %3 行无法导入，将被跳过。",
     "已勾選 %1 行，共 %2 行；其中 %3 行無法匯入，將被跳過。",
     "%1 of %2 rows ticked; %3 of them cannot be taken and will be skipped."},
    {"已导入 %1 行（信道 %2），跳过 %3 行。", "已匯入 %1 行（信道 %2），跳過 %3 行。",
     "Took %1 rows (channels %2); skipped %3."},
    {"名称、静噪方式和 DTMF 位只保存在工程文件中：对讲机不会收到它们。",
     "名稱、靜噪方式和 DTMF 位只儲存在工程檔案中：對講機不會收到它們。",
     "Names, squelch mode and the DTMF bits are kept in the project file only: the radio never "
     "receives them."},
    {"无", "無", "none"},
    {"跳过的行：", "跳過的行：", "Skipped rows:"},
};
static_assert(std::size(kImportRows) == static_cast<std::size_t>(ImportTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource ImportTextSource() {
    return kImportRows;
}

const LocalisedTable& ImportTextTable() {
    return TextTable(TextTableId::Import);
}

std::string ImportTextUtf8(const THaldenFuncs::TAppLang& lang, ImportTextId id) {
    return ImportTextTable().TextUtf8(lang, static_cast<int>(id));
}

}  // namespace radioprog
