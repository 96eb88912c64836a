#include "sheet/OptionTexts.h"

#include "lang/InterfaceText.h"
#include "lang/TextIds.h"
#include "model/ProjectFields.h"

namespace radioprog {

namespace {

using THaldenFuncs::TAppLang;

// Seconds as the option page lists them: the "off" word for 0, else the number.
std::string SecondsOrOff(const TAppLang& lang, unsigned seconds) {
    return seconds == 0 ? LangTextUtf8(lang, text::kOptionOff) : std::to_string(seconds);
}

std::string VoiceWord(const TAppLang& lang, unsigned voice) {
    constexpr TextId kVoiceWords[] = {text::kOptionOff, text::kChinese, text::kEnglish};
    return voice < 3 ? LangTextUtf8(lang, kVoiceWords[voice]) : std::to_string(voice);
}

}  // namespace

std::vector<OptionText> OptionTexts(const ProjectImage& image, THaldenFuncs::TLangType language) {
    using namespace settings;
    TAppLang lang("en_US");
    lang.SetLangType(language);
    const auto caption = [&lang](TextId id) { return LangTextUtf8(lang, id); };
    const auto onOff = [&lang](unsigned value) {
        return LangTextUtf8(lang, value ? text::kOn : text::kOff);
    };
    const unsigned sql = image.Get(Sql);
    const unsigned tot = image.Get(Tot);
    const unsigned toa = image.Get(Toa);
    const unsigned voice = image.Get(Voice);
    const unsigned beep = image.Get(Beep);
    const unsigned saving = image.Get(Saving);
    const unsigned rate = image.Get(SavingRate);
    return {
        {caption(text::kSql), std::to_string(sql), sql},
        {caption(text::kTot), SecondsOrOff(lang, tot), tot},
        {caption(text::kToa), SecondsOrOff(lang, toa), toa},
        {caption(text::kVoice), VoiceWord(lang, voice), voice},
        {caption(text::kKeyBeep), onOff(beep), beep},
        {caption(text::kBatterySave), onOff(saving), saving},
        {caption(text::kSavingRate), "1:" + std::to_string(rate), rate},
    };
}

}  // namespace radioprog
