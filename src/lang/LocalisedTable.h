#pragma once
// The scheme every text table follows: three parallel lists of the same length, one per
// language, held by the program as GBK bytes (the English list is ASCII). A lookup picks the
// list by the current language and passes the text through FromGBK, so traditional texts come
// out as Big5. The sources are written row by row in UTF-8, so that a reviewer sees the three
// languages of a row side by side.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "lang/AppLang.h"

namespace radioprog {

struct TextRow {
    const char* simplified;   // UTF-8
    const char* traditional;  // UTF-8, the simplified text in traditional characters
    const char* english;      // ASCII
};

using LocalisedTableSource = std::span<const TextRow>;

class LocalisedTable {
  public:
    std::size_t size() const { return english_.size(); }

    // The stored bytes of one list, before FromGBK.
    const std::string& Stored(THaldenFuncs::TLangType list, std::size_t index) const;

    // The text of the row in the current language, converted for display. An index outside
    // the table gives an empty text.
    std::string Text(const THaldenFuncs::TAppLang& lang, int index) const;

    // The same text decoded to UTF-8, for windows and the command line.
    std::string TextUtf8(const THaldenFuncs::TAppLang& lang, int index) const;
    // The same in a language the caller names rather than the program's setting (a sheet,
    // a comparison, the command line's English), as the language object gives it once that
    // language is chosen.
    std::string TextUtf8(THaldenFuncs::TLangType language, int index) const;

  private:
    // Only the registry of text tables builds one, so that every table is in its list and the
    // checks that walk the list miss none.
    friend struct TextTableBuilder;

    // Converts the Chinese lists to GBK once. A text that cannot be converted is replaced by
    // the English text of its row, so a lookup never yields bytes of the wrong code page.
    explicit LocalisedTable(LocalisedTableSource source);

    std::vector<std::string> simplified_;
    std::vector<std::string> traditional_;
    std::vector<std::string> english_;
};

}  // namespace radioprog
