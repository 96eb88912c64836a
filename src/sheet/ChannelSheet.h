#pragma once
// The channel sheet as texts: everything the printed page says, in one language, gathered
// from a project without any drawing, so the window, the command line and the tests see the
// same words.

#include <string>
#include <utility>
#include <vector>

#include "lang/AppLang.h"
#include "model/BandLimits.h"
#include "model/ProjectImage.h"

namespace radioprog {

enum class SheetChannels { InUse, All };

struct ChannelSheet {
    std::string title;
    std::string bandCaption;
    std::string band;  // "400.00000-480.00000 MHz"
    std::string dateCaption;
    std::string date;
    std::vector<std::string> columns;            // one caption per channel field
    std::vector<std::vector<std::string>> rows;  // a channel not in use has empty fields
    std::string noChannelText;                   // shown when rows is empty
    std::string optionsCaption;
    std::vector<std::pair<std::string, std::string>> options;  // caption, word
    std::string noteCaption;
};

// The sheet of a project in the given language; date as it is to be printed.
ChannelSheet BuildChannelSheet(const ProjectImage& image, const BandLimits& band,
                               THaldenFuncs::TLangType language, SheetChannels which,
                               const std::string& date);

// Today's local date as YYYY-MM-DD, the same in every language.
std::string TodayText();

}  // namespace radioprog
