#pragma once
// Turning table and project bytes into UTF-8 for the windows and the command line, and
// UTF-8 into the code pages the tables and the project image use.

#include <optional>
#include <string>
#include <string_view>

#include "lang/AppLang.h"

namespace radioprog {

enum class CodePage { Gbk, Big5 };

// Decodes bytes of the code page to UTF-8. Never fails: a byte sequence that is not valid in
// the code page becomes U+FFFD and decoding goes on after it. Zero bytes decode to zero bytes.
std::string DecodeCodePage(std::string_view bytes, CodePage page);

// UTF-8 to the code page; nothing when a character has no code there or the input is not UTF-8.
std::optional<std::string> EncodeCodePage(std::string_view utf8, CodePage page);

// The code page of texts looked up now: Big5 for traditional Chinese with conversion on,
// GBK otherwise (English texts are ASCII, the same in both).
CodePage TableCodePage(const THaldenFuncs::TAppLang& lang);

// Decodes a text looked up from any of the language tables under this language.
std::string DecodeForDisplay(std::string_view bytes, const THaldenFuncs::TAppLang& lang);

}  // namespace radioprog
