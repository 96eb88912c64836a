#pragma once
// The options of the options page as words: caption and value in one language, in the page's
// order. The channel sheet prints them and a comparison of two projects names them, so both
// say the same thing about a setting.

#include <string>
#include <vector>

#include "lang/AppLang.h"
#include "model/ProjectImage.h"

namespace radioprog {

struct OptionText {
    std::string caption;
    std::string word;
    unsigned stored = 0;  // the value behind the word: two values may share one word
};

std::vector<OptionText> OptionTexts(const ProjectImage& image, THaldenFuncs::TLangType language);

}  // namespace radioprog
