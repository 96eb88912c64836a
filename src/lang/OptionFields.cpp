#include "lang/OptionFields.h"

#include "lang/TextIds.h"
#include "model/ProjectFields.h"

namespace radioprog {

namespace {

using namespace settings;

constexpr TextId kOffWord[] = {text::kOptionOff};
constexpr TextId kVoiceWords[] = {text::kOptionOff, text::kChinese, text::kEnglish};
constexpr TextId kSwitchWords[] = {text::kOff, text::kOn};
constexpr std::span<const TextId> kNoWords;
constexpr auto kList = OptionEditor::List;
constexpr auto kSwitch = OptionEditor::Switch;

constexpr OfferedValues kRatios{1, 1, 10};

constexpr OptionField kOptionFields[] = {
    {"cbSQL", "sSQL", text::kSql, Sql, kList, {0, 1, 10}, kNoWords},
    // Seconds in steps of 15 up to ten minutes; 0 is off.
    {"cbTOT", "sTOT", text::kTot, Tot, kList, {0, 15, 41}, kOffWord},
    {"cbTOA", "sTOA", text::kToa, Toa, kList, {0, 1, 11}, kOffWord},
    {"cbVoice", "sVoice", text::kVoice, Voice, kList, {0, 1, 3}, kVoiceWords},
    {"cBeep", nullptr, text::kKeyBeep, Beep, kSwitch, {0, 1, 2}, kSwitchWords},
    {"cSaving", nullptr, text::kBatterySave, Saving, kSwitch, {0, 1, 2}, kSwitchWords},
    // Asleep n times as long as awake, "1:n"; offered while the saver is on.
    {"cbSaving_Rate", "sSaving_Rate", text::kSavingRate, SavingRate, kList, kRatios, kNoWords,
     "1:", Saving},
};

std::string Word(const OptionField& option, unsigned value, const auto& lang) {
    if (option.editor == OptionEditor::Switch) {
        return LangTextUtf8(lang, option.valueWords[value != 0 ? 1 : 0]);
    }
    if (value < option.valueWords.size()) {
        return LangTextUtf8(lang, option.valueWords[value]);
    }
    return option.numberPrefix + std::to_string(value);
}

}  // namespace

std::span<const OptionField> OptionFields() {
    return kOptionFields;
}

unsigned OptionValue(const ProjectImage& image, const OptionField& option) {
    return std::visit([&image](auto field) -> unsigned { return image.Get(field); }, option.field);
}

void SetOptionValue(ProjectImage& image, const OptionField& option, unsigned value) {
    std::visit(
        [&image, value](auto field) {
            image.Set(field, static_cast<decltype(image.Get(field))>(value));
        },
        option.field);
}

unsigned OfferedValue(const OptionField& option, int item) {
    return option.offered.first + static_cast<unsigned>(item) * option.offered.step;
}

int OfferedItem(const OptionField& option, unsigned value) {
    const OfferedValues& offered = option.offered;
    if (value < offered.first || (value - offered.first) % offered.step != 0) {
        return -1;
    }
    const unsigned item = (value - offered.first) / offered.step;
    return item < static_cast<unsigned>(offered.count) ? static_cast<int>(item) : -1;
}

bool SwitchIsOn(const ProjectImage& image, U8Field field) {
    return image.Get(field) == 1;
}

std::string OptionWord(const THaldenFuncs::TAppLang& lang, const OptionField& option,
                       unsigned value) {
    return Word(option, value, lang);
}

std::string OptionWord(THaldenFuncs::TLangType language, const OptionField& option,
                       unsigned value) {
    return Word(option, value, language);
}

}  // namespace radioprog
