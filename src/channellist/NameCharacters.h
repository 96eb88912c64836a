#pragma once
// What a refused channel name shows the user: the character the radio cannot hold or show. Our own
// lists, pastes and multi-radio lists all refuse such a name, and all name the character the
// same way.

#include <optional>
#include <string>
#include <string_view>

namespace radioprog {

// The first character of a UTF-8 name that the radio's character set lacks, quoted with its
// code point ("\"😀\" (U+1F600)"), so that a look-alike (a no-break space, a full-width
// letter) can be found. Nothing when every character has a code.
std::optional<std::string> FirstCharacterNotStorable(std::string_view name);

// The first control character of a UTF-8 name (C0 such as a tab or a line break, DEL, C1),
// named by its code point alone ("a control character (U+000D)") so that the message naming
// it stays on its line. The character set has codes for them, but a line break stored in a
// name breaks every list and sheet the name is written to. Nothing when the name has none.
std::optional<std::string> FirstControlCharacter(std::string_view name);

}  // namespace radioprog
