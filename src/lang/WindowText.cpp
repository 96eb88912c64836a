#include "lang/WindowText.h"

#include <iterator>

#include "lang/TextTableRegistry.h"

namespace radioprog {
namespace {

constexpr TextRow kWindowRows[] = {
    {"对讲机设有密码，已输入的密码打不开它。请在“编辑 > 密码”中输入对讲机的密码，然后重新开始。",
     "對講機設有密碼，已輸入的密碼打不開它。請在「編輯 > 密碼」中輸入對講機的密碼，然後重新開始。",
     "The radio is locked with a password that the one entered does not open. Enter the "
     "radio's password under Edit > Password, then start again."},
    {"主题(&T)", "主題(&T)", "&Theme"},
    {"跟随系统(&S)", "跟隨系統(&S)", "&System"},
    {"浅色(&L)", "淺色(&L)", "&Light"},
    {"深色(&D)", "深色(&D)", "&Dark"},
    {"使用指南(&U)", "使用指南(&U)", "&User guide"},
    {"使用指南", "使用指南", "User guide"},
    {"实时刷新", "即時刷新", "Live"},
};
static_assert(std::size(kWindowRows) == static_cast<std::size_t>(WindowTextId::Count),
              "one row per id");

}  // namespace

LocalisedTableSource WindowTextSource() {
    return kWindowRows;
}

const LocalisedTable& WindowTextTable() {
    return TextTable(TextTableId::Window);
}

std::string WindowTextUtf8(const THaldenFuncs::TAppLang& lang, WindowTextId id) {
    return WindowTextTable().TextUtf8(lang, static_cast<int>(id));
}

}  // namespace radioprog
