#pragma once
// The settings of two projects side by side: the options page's options in its words, the
// other settings in their own names, then the address-book entries in use on either side.

#include <vector>

#include "compare/FieldMarking.h"
#include "compare/ProjectComparison.h"

namespace radioprog {

void CompareSettings(const ComparedImages& images, THaldenFuncs::TLangType words,
                     const FieldScope& scope, std::vector<SettingComparison>& settings);

}  // namespace radioprog
