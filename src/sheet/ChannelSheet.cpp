#include "sheet/ChannelSheet.h"

#include <ctime>

#include "channellist/ChannelColumns.h"
#include "lang/InterfaceText.h"
#include "lang/SheetText.h"
#include "lang/TextIds.h"
#include "model/FreqCodec.h"
#include "sheet/OptionTexts.h"

namespace radioprog {

namespace {

using THaldenFuncs::TAppLang;
using THaldenFuncs::TLangType;

// The number column, then the channel's fields as the grid shows them.
static_assert(text::kChannelFieldCaptions.size() + 1 == kChannelColumnCount);

TAppLang LangOf(TLangType language) {
    TAppLang lang("en_US");
    lang.SetLangType(language);
    return lang;
}

std::vector<std::string> ChannelRow(const ProjectImage& image, int channel, TLangType language) {
    std::vector<std::string> row;
    const bool inUse = image.IsChannelValid(channel);
    for (int column = 0; column < kChannelColumnCount; ++column) {
        const auto field = static_cast<ChannelColumn>(column);
        if (field == ChannelColumn::Number) {
            row.push_back(std::to_string(channel));
        } else {
            // The record of a channel not in use holds whatever was there before: not a value.
            row.push_back(inUse ? ChannelFieldText(image, channel, field, language) : "");
        }
    }
    return row;
}

}  // namespace

ChannelSheet BuildChannelSheet(const ProjectImage& image, const BandLimits& band,
                               TLangType language, SheetChannels which, const std::string& date) {
    const TAppLang lang = LangOf(language);
    ChannelSheet sheet;
    sheet.title = SheetTextUtf8(lang, SheetTextId::Title);
    sheet.bandCaption = LangTextUtf8(lang, text::kFrequencyBand);
    sheet.band = FreqToText(band.lower) + "-" + FreqToText(band.upper) + " MHz";
    sheet.dateCaption = SheetTextUtf8(lang, SheetTextId::Date);
    sheet.date = date;
    sheet.columns.push_back(LangTextUtf8(lang, text::kChannelNumber));
    for (const TextId caption : text::kChannelFieldCaptions) {
        sheet.columns.push_back(LangTextUtf8(lang, caption));
    }
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (which == SheetChannels::All || image.IsChannelValid(channel)) {
            sheet.rows.push_back(ChannelRow(image, channel, language));
        }
    }
    sheet.noChannelText = SheetTextUtf8(lang, SheetTextId::NoChannelInUse);
    sheet.optionsCaption = LangTextUtf8(lang, text::kOptionsPage);
    for (OptionText& option : OptionTexts(image, language)) {
        sheet.options.emplace_back(std::move(option.caption), std::move(option.word));
    }
    sheet.noteCaption = SheetTextUtf8(lang, SheetTextId::TechnicianNote);
    return sheet;
}

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

}  // namespace radioprog
