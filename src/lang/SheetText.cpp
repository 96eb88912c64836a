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
