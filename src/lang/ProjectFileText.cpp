#include "lang/ProjectFileText.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

// The traditional list uses the words used there (檔案, 讀取), each with a Big5 code.
constexpr TextRow kProjectFileRows[] = {
    {"%1（仅存文件）", "%1（僅存檔案）", "%1 (file only)"},
    {"仅保存在工程文件中：对讲机不保存此项，写频不会写入，读频也不会改变它。",
     "僅儲存在工程檔案中：對講機不儲存此項，寫頻不會寫入，讀頻也不會改變它。",
     "Kept in the project file only: the radio does not hold it, so a write does not send it "
     "and a read leaves it as it was."},
    {"仅保存在工程文件中：现行对讲机不保存此项（旧型对讲机保存），写频不会写入，读频也不会改变它。",
     "僅儲存在工程檔案中：現行對講機不儲存此項（舊型對講機儲存），寫頻不會寫入，讀頻也不會改變它。",
     "Kept in the project file only: current radios do not hold it (legacy radios do), so a "
     "write to one does not send it and a read leaves it as it was."},
    {"读取到此工程(&J)", "讀取到此工程(&J)", "Read onto this pro&ject"},
    {"保存对 %1 的更改吗？", "儲存對 %1 的變更嗎？", "Save changes to %1?"},
    {"未命名", "未命名", "Untitled"},
    {"从对讲机读取 %1", "從對講機讀取 %1", "Read from radio %1"},
    {"历史记录 %1", "歷史記錄 %1", "History entry %1"},
    {"另存为(&A)...", "另存新檔(&A)...", "Save &As..."},
};
static_assert(std::size(kProjectFileRows) == static_cast<std::size_t>(ProjectFileTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource ProjectFileTextSource() {
    return kProjectFileRows;
}

const LocalisedTable& ProjectFileTextTable() {
    return TextTable(TextTableId::ProjectFile);
}

std::string ProjectFileTextUtf8(const THaldenFuncs::TAppLang& lang, ProjectFileTextId id) {
    return ProjectFileTextTable().TextUtf8(lang, static_cast<int>(id));
}

std::string ProjectFileTextUtf8(THaldenFuncs::TLangType language, ProjectFileTextId id) {
    return ProjectFileTextTable().TextUtf8(language, static_cast<int>(id));
}

}  // namespace radioprog
