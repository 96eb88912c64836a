#include "lang/OptionFields.h"

#include "lang/TextIds.h"
#include "model/ProjectFields.h"

namespace radioprog {

namespace {

constexpr TextId kOffThenNumbers[] = {text::kOptionOff};
constexpr TextId kVoiceWords[] = {text::kOptionOff, text::kChinese, text::kEnglish};
constexpr TextId kSwitchWords[] = {text::kOff, text::kOn};

constexpr OptionField kOptionFields[] = {
    {"cbSQL", "sSQL", text::kSql, settings::Sql, OptionEditor::List, 0, 1, 10, {}, "", {}},
    // Seconds in steps of 15 up to ten minutes.
    {"cbTOT",
     "sTOT",
     text::kTot,
     settings::Tot,
     OptionEditor::List,
     0,
     15,
     41,
     kOffThenNumbers,
     "",
     {}},
    {"cbTOA",
     "sTOA",
     text::kToa,
     settings::Toa,
     OptionEditor::List,
     0,
     1,
     11,
     kOffThenNumbers,
     "",
     {}},
    {"cbVoice",
     "sVoice",
     text::kVoice,
     settings::Voice,
     OptionEditor::List,
     0,
     1,
     3,
     kVoiceWords,
     "",
     {}},
    {"cBeep",
     nullptr,
     text::kKeyBeep,
     settings::Beep,
     OptionEditor::Switch,
     0,
     1,
     2,
     kSwitchWords,
     "",
     {}},
    {"cSaving",
     nullptr,
     text::kBatterySave,
     settings::Saving,
     OptionEditor::Switch,
     0,
     1,
     2,
     kSwitchWords,
     "",
     {}},
    // Asleep n times as long as awake: "1:n".
    {"cbSaving_Rate",
     "sSaving_Rate",
     text::kSavingRate,
     settings::SavingRate,
     OptionEditor::List,
     1,
     1,
     10,
     {},
     "1:",
     settings::Saving},
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
    return option.first + static_cast<unsigned>(item) * option.step;
}

int OfferedItem(const OptionField& option, unsigned value) {
    if (value < option.first || (value - option.first) % option.step != 0) {
        return -1;
    }
    const unsigned item = (value - option.first) / option.step;
    return item < static_cast<unsigned>(option.count) ? static_cast<int>(item) : -1;
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
