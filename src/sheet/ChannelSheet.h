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

// What the header says beyond the project: whose bench made the sheet, for whom, and from
// which file and radio. Anything empty is left off the page.
struct SheetHeading {
    std::string shopName;
    std::string shopPhone;
    std::string customer;   // the customer or job: a history entry's label, or typed to print
    std::string fileName;   // the project's file name, or where an unsaved one came from
    std::string radioKind;  // the kind of radio the project was read from
};

struct ChannelSheet {
    std::string title;
    std::string shop;  // the shop's name and phone on one line
    std::vector<std::pair<std::string, std::string>> facts;  // caption, value: customer, file...
    std::string bandCaption;
    std::string band;  // "400.00000-480.00000 MHz"
    std::string dateCaption;
    std::string date;
    std::vector<std::string> columns;            // one caption per channel field
    std::vector<std::vector<std::string>> rows;  // a channel not in use has empty fields
    std::string noChannelText;                   // shown when rows is empty
    std::string fileOnlyNote;                    // what the marked columns mean
    std::string optionsCaption;
    std::vector<std::pair<std::string, std::string>> options;  // caption, word
    std::string noteCaption;
};

// The sheet of a project in the given language; date as it is to be printed.
ChannelSheet BuildChannelSheet(const ProjectImage& image, const BandLimits& band,
                               THaldenFuncs::TLangType language, SheetChannels which,
                               const std::string& date, const SheetHeading& heading = {});

// Today's local date as YYYY-MM-DD, the same in every language.
std::string TodayText();

}  // namespace radioprog
