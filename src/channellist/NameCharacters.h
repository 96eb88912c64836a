#pragma once
// What a refused channel name shows the user: the character the radio cannot hold. Our own
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

}  // namespace radioprog
