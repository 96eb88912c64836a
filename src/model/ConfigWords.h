#pragma once
// How a configuration value written by hand reads when it is a switch or a count. A switch
// comes in the spellings people use; a count is plain digits, so that nothing a reader would
// have to guess at ("1e3", "+700", "12abc") is taken for a number.

#include <array>
#include <optional>
#include <string_view>

namespace radioprog {

struct SwitchWord {
    std::string_view word;
    bool on = false;
};

// Every spelling a switch is read in, in any case.
inline constexpr std::array<SwitchWord, 8> kSwitchWords = {{{"1", true},
                                                            {"0", false},
                                                            {"true", true},
                                                            {"false", false},
                                                            {"yes", true},
                                                            {"no", false},
                                                            {"on", true},
                                                            {"off", false}}};

// text as a switch, spaces around it ignored; nothing for any other text.
std::optional<bool> ReadSwitch(std::string_view text);

// text as a count within [low, high]: decimal digits only, spaces around them ignored.
std::optional<long> ReadCount(std::string_view text, long low, long high);

}  // namespace radioprog
