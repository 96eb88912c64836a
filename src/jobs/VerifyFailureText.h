#pragma once
// What a failed verify says, in a language: that the radio differs, the places and addresses
// that differ, and the fields behind them. The window shows it in its language, the command
// line prints it in English.

#include <string>

#include "lang/AppLang.h"
#include "session/WriteVerification.h"

namespace radioprog {

std::string VerifyFailureTextUtf8(const THaldenFuncs::TAppLang& lang, const VerifyReport& report);

}  // namespace radioprog
