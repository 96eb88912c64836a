#include "sheet/ChannelSheet.h"

#include <ctime>

#include "channellist/ChannelColumns.h"
#include "channellist/ColumnCaptions.h"
#include "lang/InterfaceText.h"
#include "lang/OptionFields.h"
#include "lang/SheetText.h"
#include "lang/TextIds.h"
#include "model/FreqCodec.h"

namespace radioprog {

namespace {

using THaldenFuncs::TLangType;

// The number, then the channel's fields as the grid shows them.
std::vector<std::string> ChannelRow(const ProjectImage& image, int channel, TLangType language) {
    std::vector<std::string> row{std::to_string(channel)};
    const bool inUse = image.IsChannelValid(channel);
    for (int field = 0; field < kChannelFieldCount; ++field) {
        // The record of a channel not in use holds whatever was there before: not a value.
        row.push_back(inUse ? ChannelFieldText(image, channel, ChannelFieldColumn(field), language)
                            : "");
    }
    return row;
}

std::string ShopLine(const SheetHeading& heading, TLangType language) {
    if (heading.shopPhone.empty()) {
        return heading.shopName;
    }
    const std::string phone =
        SheetTextUtf8(language, SheetTextId::Phone) + ": " + heading.shopPhone;
    return heading.shopName.empty() ? phone : heading.shopName + "    " + phone;
}

void AddFact(ChannelSheet& sheet, TLangType language, SheetTextId caption,
             const std::string& value) {
    if (!value.empty()) {
        sheet.facts.emplace_back(SheetTextUtf8(language, caption), value);
    }
}

}  // namespace

ChannelSheet BuildChannelSheet(const ProjectImage& image, const BandLimits& band,
                               TLangType language, SheetChannels which, const std::string& date,
                               const SheetHeading& heading) {
    ChannelSheet sheet;
    sheet.title = SheetTextUtf8(language, SheetTextId::Title);
    sheet.shop = ShopLine(heading, language);
    AddFact(sheet, language, SheetTextId::Customer, heading.customer);
    AddFact(sheet, language, SheetTextId::ProjectFile, heading.fileName);
    AddFact(sheet, language, SheetTextId::Radio, heading.radioKind);
    sheet.bandCaption = LangTextUtf8(language, text::kFrequencyBand);
    sheet.band = FreqToText(band.lower) + "-" + FreqToText(band.upper) + " MHz";
    sheet.dateCaption = SheetTextUtf8(language, SheetTextId::Date);
    sheet.date = date;
    sheet.columns.push_back(LangTextUtf8(language, text::kChannelNumber));
    for (int field = 0; field < kChannelFieldCount; ++field) {
        sheet.columns.push_back(MarkedColumnCaption(ChannelFieldColumn(field), language));
    }
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (which == SheetChannels::All || image.IsChannelValid(channel)) {
            sheet.rows.push_back(ChannelRow(image, channel, language));
        }
    }
    sheet.noChannelText = SheetTextUtf8(language, SheetTextId::NoChannelInUse);
    sheet.fileOnlyNote = SheetTextUtf8(language, SheetTextId::FileOnlyNote);
    sheet.optionsCaption = LangTextUtf8(language, text::kOptionsPage);
    for (const OptionField& option : OptionFields()) {
        sheet.options.emplace_back(LangTextUtf8(language, option.caption),
                                   OptionWord(language, option, OptionValue(image, option)));
    }
    sheet.noteCaption = SheetTextUtf8(language, SheetTextId::TechnicianNote);
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
