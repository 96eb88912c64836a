#pragma once
// Differences as lines of text, one per differing field, as radioprog-cli diff prints them:
//
//   band  Frequency Band: "400.00000-480.00000 MHz" -> "136.00000-174.00000 MHz"
//   channel 3  RX Freq.: "446.00625" -> "446.10000"
//   channel 5  Name: (not in use) -> "GATE"
//   option  SQL: "3" -> "5"
//   setting  VoxDelay: "2000" -> "1500"
//   setting  UnlockPassword: (hidden) -> (hidden)
//   address book 2  Name: (not in use) -> "DESK"
//
// The left side comes first. Values are quoted (a quote or backslash in one escaped with a
// backslash), so an empty name or one with blanks reads unambiguously; a channel or entry a
// side does not use is "(not in use)" there, and a password "(hidden)", without quotes.

#include <string>
#include <vector>

#include "compare/ProjectComparison.h"
#include "lang/AppLang.h"

namespace radioprog {

std::string DifferenceLine(const FieldDifference& difference);
// Where the difference lies ("channel 3", "address book 2", "option"), in the given language.
std::string DifferencePlace(const FieldDifference& difference, THaldenFuncs::TLangType language);
// Every line, each ending in a line break.
std::string DifferenceLines(const std::vector<FieldDifference>& differences);
// The same with the places ("channel 3", "option") and "(not in use)" in the words of lang,
// for a window.
std::string DifferenceLines(const std::vector<FieldDifference>& differences,
                            const THaldenFuncs::TAppLang& lang);

}  // namespace radioprog
