#include "compare/SettingComparisons.h"

#include "compare/DifferenceLines.h"
#include "compare/FieldNames.h"
#include "compare/ProjectFieldText.h"
#include "lang/CompareText.h"
#include "lang/InterfaceText.h"
#include "lang/OptionFields.h"

namespace radioprog {

namespace {

using THaldenFuncs::TLangType;
using Area = FieldDifference::Area;

SettingComparison CompareOption(const ComparedImages& images, const OptionField& option,
                                TLangType words, const FieldScope& scope) {
    const std::array<unsigned, 2> stored = {OptionValue(*images[0], option),
                                            OptionValue(*images[1], option)};
    SettingComparison setting;
    setting.caption = LangTextUtf8(words, option.caption);
    setting.words = {OptionWord(words, option, stored[0]), OptionWord(words, option, stored[1])};
    const bool covered =
        scope.CoversAny([&option](const ProjectField& f) { return PageOption(f) == &option; });
    setting.differs = covered && MarkDifference(setting.words, {std::to_string(stored[0]),
                                                                std::to_string(stored[1])});
    return setting;
}

// A field no page shows, in its own name; a password's words only say that it is hidden.
SettingComparison CompareOwnNamed(const ComparedImages& images, const ProjectField& field,
                                  TLangType words, const FieldScope& scope) {
    SettingComparison setting;
    setting.caption = setting.field = field.name;
    setting.area = Area::Setting;
    std::array<std::string, 2> stored;
    for (size_t side = 0; side < 2; ++side) {
        FieldValue value = ReadFieldValue(*images[side], field, 0);
        setting.words[side] = std::move(value.text);
        stored[side] = std::move(value.stored);
    }
    if (field.form == FieldForm::Secret) {
        setting.valuesHidden = true;
        setting.words.fill(CompareTextUtf8(words, CompareTextId::ValueHidden));
        setting.differs = scope.Covers(field) && stored[0] != stored[1];
        return setting;
    }
    setting.differs = scope.Covers(field) && MarkDifference(setting.words, stored);
    return setting;
}

SettingComparison CompareEntryField(const ComparedImages& images, const ProjectField& field,
                                    const EntrySides& entry, int n, TLangType words,
                                    const FieldScope& scope) {
    SettingComparison setting;
    setting.area = Area::AddrBook;
    setting.entry = n;
    setting.field = field.name;
    setting.inUse = entry.inUse;
    std::array<std::string, 2> texts;
    std::array<std::string, 2> stored;
    for (size_t side = 0; side < 2; ++side) {
        FieldValue value = ReadFieldValue(*images[side], field, n);
        texts[side] = std::move(value.text);
        stored[side] = std::move(value.stored);
    }
    setting.differs = MarkEntryValue(entry, scope.Covers(field), texts, stored);
    for (size_t side = 0; side < 2; ++side) {
        setting.words[side] = entry.inUse[side] ? std::move(texts[side])
                                                : CompareTextUtf8(words, CompareTextId::NotInUse);
    }
    return setting;
}

// The entries in use on either side, field by field; an entry's captions start with its place.
void CompareAddrBook(const ComparedImages& images, TLangType words, const FieldScope& scope,
                     std::vector<SettingComparison>& settings) {
    const bool inUseCovered = scope.CoversInUse(FieldPlace::AddrBook);
    for (int n = 1; n <= kAddrBookCount; ++n) {
        const EntrySides entry{{images[0]->IsEntryValid(n), images[1]->IsEntryValid(n)},
                               inUseCovered};
        if (!entry.inUse[0] && !entry.inUse[1]) {
            continue;
        }
        FieldDifference where;
        where.area = Area::AddrBook;
        where.channel = n;
        const std::string place = DifferencePlace(where, words) + "  ";
        for (const ProjectField& field : ProjectFieldTable()) {
            if (IsPlacedAt(field, FieldPlace::AddrBook)) {
                SettingComparison setting =
                    CompareEntryField(images, field, entry, n, words, scope);
                setting.caption = place + field.name;
                settings.push_back(std::move(setting));
            }
        }
    }
}

}  // namespace

void CompareSettings(const ComparedImages& images, TLangType words, const FieldScope& scope,
                     std::vector<SettingComparison>& settings) {
    for (const OptionField& option : OptionFields()) {
        settings.push_back(CompareOption(images, option, words, scope));
    }
    for (const ProjectField& field : ProjectFieldTable()) {
        if (field.place == FieldPlace::Settings && !PageOption(field)) {
            settings.push_back(CompareOwnNamed(images, field, words, scope));
        }
    }
    CompareAddrBook(images, words, scope, settings);
}

}  // namespace radioprog
