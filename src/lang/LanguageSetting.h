#pragma once
// The user's language choice (kept in the configuration) and how it reaches the language
// object that every lookup reads.

#include "lang/AppLang.h"

namespace radioprog {

inline constexpr int kLanguageSettingEnglish = 0;
inline constexpr int kLanguageSettingSimplified = 1;
inline constexpr int kLanguageSettingTraditional = 2;

// 0, 1, 2 fix English, simplified, traditional; any other value lets the language follow
// the system. The setting itself is not changed, so an odd value is written back as it was.
void ApplyLanguageSetting(THaldenFuncs::TAppLang& lang, int languageSetting);

}  // namespace radioprog
