#include "compare/FieldNames.h"

#include <algorithm>
#include <variant>

#include "lang/InterfaceText.h"
#include "lang/TextIds.h"

namespace radioprog {

namespace {

using THaldenFuncs::TLangType;

size_t OptionOffset(const OptionField& option) {
    return std::visit([](auto field) { return field.offset; }, option.field);
}

std::string EnglishChannelCaption(const ProjectField& field) {
    if (!field.column) {
        return field.name;
    }
    return LangTextUtf8(TLangType::English,
                        text::kChannelFieldCaptions[static_cast<size_t>(*field.column) - 1]);
}

}  // namespace

const OptionField* PageOption(const ProjectField& field) {
    if (field.place != FieldPlace::Settings) {
        return nullptr;
    }
    for (const OptionField& option : OptionFields()) {
        if (OptionOffset(option) == field.offset) {
            return &option;
        }
    }
    return nullptr;
}

std::vector<std::string> FieldsNotHeldBy(RadioKind kind) {
    std::vector<std::string> names;
    for (const ProjectField& field : ProjectFieldTable()) {
        if (IsHeldBy(field, kind)) {
            continue;
        }
        std::string name;
        switch (field.place) {
            case FieldPlace::Band:
                name = LangTextUtf8(TLangType::English, text::kFrequencyBand);
                break;
            case FieldPlace::Channel:
                name = "channel " + EnglishChannelCaption(field);
                break;
            case FieldPlace::AddrBook:
                name = std::string("address book ") + field.name;
                break;
            case FieldPlace::Settings: {
                const OptionField* option = PageOption(field);
                name = option ? LangTextUtf8(TLangType::English, option->caption) : field.name;
                break;
            }
        }
        if (std::ranges::find(names, name) == names.end()) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

}  // namespace radioprog
