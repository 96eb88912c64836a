#include "lang/SheetText.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

// The traditional list uses the words used there (列印, 匯出, 檔案), each with a Big5 code.
constexpr TextRow kSheetRows[] = {
    {"信道资料表", "信道資料表", "Channel sheet"},
    {"日期", "日期", "Date"},
    {"技术员备注", "技術員備註", "Technician's note"},
    {"（没有使用中的信道）", "（沒有使用中的信道）", "(no channel in use)"},
    {"打印(&P)...", "列印(&P)...", "&Print..."},
    {"导出 PDF(&D)...", "匯出 PDF(&D)...", "Export P&DF..."},
    {"资料表列出全部信道(&L)", "資料表列出全部信道(&L)", "Sheet &lists all channels"},
    {"PDF 文件(*.pdf)", "PDF 檔案(*.pdf)", "PDF file(*.pdf)"},
    {"电话", "電話", "Phone"},
    {"客户/工单", "客戶/工單", "Customer/job"},
    {"文件", "檔案", "File"},
    {"对讲机", "對講機", "Radio"},
    {"标有（仅存文件）的栏只保存在工程文件中，对讲机不保存。",
     "標有（僅存檔案）的欄只儲存在工程檔案中，對講機不儲存。",
     "Columns marked (file only) are kept in the project file; the radio does not hold them."},
    {"资料表", "資料表", "Sheet"},
    {"店名(&N):", "店名(&N):", "Shop &name:"},
    {"店铺电话(&P):", "店鋪電話(&P):", "Shop &phone:"},
    {"店名和电话会保存下来，用于以后的每张资料表。", "店名和電話會儲存下來，用於以後的每張資料表。",
     "The shop's name and phone are kept for every later sheet."},
    {"客户/工单(&C):", "客戶/工單(&C):", "&Customer/job:"},
};
static_assert(std::size(kSheetRows) == static_cast<std::size_t>(SheetTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource SheetTextSource() {
    return kSheetRows;
}

const LocalisedTable& SheetTextTable() {
    return TextTable(TextTableId::Sheet);
}

std::string SheetTextUtf8(const THaldenFuncs::TAppLang& lang, SheetTextId id) {
    return SheetTextTable().TextUtf8(lang, static_cast<int>(id));
}

std::string SheetTextUtf8(THaldenFuncs::TLangType language, SheetTextId id) {
    return SheetTextTable().TextUtf8(language, static_cast<int>(id));
}

}  // namespace radioprog
