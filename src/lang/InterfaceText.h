#pragma once
// The interface string table of the main window and the shared words of every dialog.

#include <cstddef>
#include <string>

#include "lang/AppLang.h"
#include "lang/LocalisedTable.h"

namespace radioprog {

using TextId = int;
// Not a text: one past the last id (the hotline, 270), so how many rows the table has.
inline constexpr std::size_t kInterfaceTextCount = 271;

// The service telephone number shown after the hotline text (TextId 270).
inline constexpr const char* kServiceTelephone = "000-0000-0000";

// The UTF-8 source lists, for the few callers that need the table itself.
LocalisedTableSource InterfaceTextSource();
const LocalisedTable& InterfaceText();

// The row in the current language, converted for display; empty for an id outside 0..270.
std::string LangText(const THaldenFuncs::TAppLang& lang, TextId id);
// The same text decoded to UTF-8, for windows and the command line.
std::string LangTextUtf8(const THaldenFuncs::TAppLang& lang, TextId id);
// The same in a language the caller names, whatever the program's setting.
std::string LangTextUtf8(THaldenFuncs::TLangType language, TextId id);

}  // namespace radioprog
