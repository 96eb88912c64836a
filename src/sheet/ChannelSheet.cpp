#include "sheet/ChannelSheet.h"

#include <ctime>

#include "channellist/ChannelColumns.h"
#include "lang/InterfaceText.h"
#include "lang/SheetText.h"
#include "lang/TextIds.h"
#include "model/FreqCodec.h"
#include "model/ProjectFields.h"

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

// Seconds as the option page lists them: the "off" word for 0, else the number.
std::string SecondsOrOff(const TAppLang& lang, unsigned seconds) {
    return seconds == 0 ? LangTextUtf8(lang, text::kOptionOff) : std::to_string(seconds);
}

std::string VoiceWord(const TAppLang& lang, unsigned voice) {
    constexpr TextId kVoiceWords[] = {text::kOptionOff, text::kChinese, text::kEnglish};
    return voice < 3 ? LangTextUtf8(lang, kVoiceWords[voice]) : std::to_string(voice);
}

std::vector<std::pair<std::string, std::string>> OptionTexts(const ProjectImage& image,
                                                             const TAppLang& lang) {
    using namespace settings;
    const auto caption = [&lang](TextId id) { return LangTextUtf8(lang, id); };
    const auto onOff = [&lang](uint8_t value) {
        return LangTextUtf8(lang, value ? text::kOn : text::kOff);
    };
    return {
        {caption(text::kSql), std::to_string(image.Get(Sql))},
        {caption(text::kTot), SecondsOrOff(lang, image.Get(Tot))},
        {caption(text::kToa), SecondsOrOff(lang, image.Get(Toa))},
        {caption(text::kVoice), VoiceWord(lang, image.Get(Voice))},
        {caption(text::kKeyBeep), onOff(image.Get(Beep))},
        {caption(text::kBatterySave), onOff(image.Get(Saving))},
        {caption(text::kSavingRate), "1:" + std::to_string(image.Get(SavingRate))},
    };
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
    sheet.options = OptionTexts(image, lang);
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
