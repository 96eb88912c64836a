#pragma once
// Texts of the access-code window beyond the button captions of the main table: the caption
// that says what the window asks for. A table of their own, so that the main window's TextIds
// stay exactly as they are.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

enum class AccessCodeTextId : int {
    Prompt,
};
inline constexpr std::size_t kAccessCodeTextCount = 1;

LocalisedTableSource AccessCodeTextSource();
const LocalisedTable& AccessCodeTextTable();
// The text in the current language, decoded to UTF-8 for the windows.
std::string AccessCodeTextUtf8(const THaldenFuncs::TAppLang& lang, AccessCodeTextId id);

}  // namespace radioprog
