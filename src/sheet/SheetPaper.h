#pragma once
// The paper a sheet is laid out for. Letter where the locale's countries use it, A4
// everywhere else.

#include <string_view>

namespace radioprog {

enum class SheetPaper { A4, Letter };

// From a POSIX locale name ("en_US.UTF-8", "fr_CA", "C").
SheetPaper PaperForLocale(std::string_view localeName);
// From the environment: the first of LC_ALL, LC_PAPER, LANG that is set and not empty.
SheetPaper SystemPaper();

}  // namespace radioprog
