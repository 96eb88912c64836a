#include "compare/ProjectComparison.h"

#include <algorithm>
#include <variant>

#include "channellist/ChannelColumns.h"
#include "compare/DifferenceLines.h"
#include "compare/ProjectFieldTable.h"
#include "compare/ProjectFieldText.h"
#include "lang/CompareText.h"
#include "lang/InterfaceText.h"
#include "lang/OptionFields.h"
#include "lang/TextIds.h"
#include "model/FreqCodec.h"

namespace radioprog {

namespace {

using THaldenFuncs::TLangType;
using Area = FieldDifference::Area;
using Images = std::array<const ProjectImage*, 2>;

// Which fields may differ: every one, or those a read of one radio brings.
class FieldScope {
  public:
    explicit FieldScope(std::optional<RadioKind> heldBy) : heldBy_(heldBy) {}

    bool Covers(const ProjectField& field) const { return !heldBy_ || IsHeldBy(field, *heldBy_); }
    // A value made of several fields (a tone's type and code, the band's two limits) is
    // covered when one of them is.
    bool CoversAny(auto belongs) const {
        return !heldBy_ || std::ranges::any_of(ProjectFieldTable(), [&](const ProjectField& f) {
            return belongs(f) && IsHeldBy(f, *heldBy_);
        });
    }

  private:
    std::optional<RadioKind> heldBy_;
};

bool IsPlacedAt(const ProjectField& field, FieldPlace place) {
    return field.place == place && field.form != FieldForm::InUse;
}

// A tone that is off has no code: the radio gets none and the grid shows "Off" whatever is
// stored behind it, and a radio read and the tone parser store different ones.
std::string ToneStored(uint8_t type, uint16_t code) {
    return type == kToneNone ? "0" : std::to_string(type) + "/" + std::to_string(code);
}

// The value behind a field's text, as exactly as the image holds it: a frequency's text
// drops the last hertz digit, and a name's bytes may not decode.
std::string StoredText(const ProjectImage& image, int channel, ChannelColumn column) {
    const ConstChannelRecord ch = image.Channel(channel);
    switch (column) {
        case ChannelColumn::RxFreq:
            return std::to_string(ch.RxFreq()) + " Hz";
        case ChannelColumn::TxFreq:
            return std::to_string(ch.TxFreq()) + " Hz";
        case ChannelColumn::RxTone:
            return ToneStored(ch.RxToneType(), ch.RxToneCode());
        case ChannelColumn::TxTone:
            return ToneStored(ch.TxToneType(), ch.TxToneCode());
        case ChannelColumn::Name:
            return HexBytes(image.Text(ChannelNameField(channel)));
        default:
            return std::to_string(WordValue(ch, column));
    }
}

// Marks whether the two sides differ. Two stored values with one text get the stored value
// beside the text, so the difference can be seen.
bool MarkDifference(std::array<std::string, 2>& texts, const std::array<std::string, 2>& stored) {
    if (stored[0] == stored[1]) {
        return texts[0] != texts[1];
    }
    if (texts[0] == texts[1]) {
        texts[0] += " [" + stored[0] + "]";
        texts[1] += " [" + stored[1] + "]";
    }
    return true;
}

// The channel fields the grid has no column for, in the table's order.
std::vector<const ProjectField*> ChannelFieldsWithoutColumn() {
    std::vector<const ProjectField*> fields;
    for (const ProjectField& field : ProjectFieldTable()) {
        if (IsPlacedAt(field, FieldPlace::Channel) && !field.column) {
            fields.push_back(&field);
        }
    }
    return fields;
}

const ProjectField* InUseField(FieldPlace place) {
    for (const ProjectField& field : ProjectFieldTable()) {
        if (field.place == place && field.form == FieldForm::InUse) {
            return &field;
        }
    }
    return nullptr;
}

// One value of an entry (channel or address-book) on both sides: a side without the entry in
// use has no text, and an entry in use on one side only differs in every field it may.
struct EntrySides {
    std::array<bool, 2> inUse;
    bool inUseCovered;
};

bool MarkEntryValue(const EntrySides& entry, bool covered, std::array<std::string, 2>& texts,
                    std::array<std::string, 2>& stored) {
    for (size_t side = 0; side < 2; ++side) {
        if (!entry.inUse[side]) {
            texts[side].clear();
            stored[side].clear();
        }
    }
    const bool inUseDiffers = entry.inUse[0] != entry.inUse[1];
    if (inUseDiffers) {
        return entry.inUseCovered && covered;
    }
    return covered && MarkDifference(texts, stored);
}

ChannelComparison CompareChannel(const Images& images, int channel, TLangType words,
                                 const FieldScope& scope) {
    const std::vector<const ProjectField*> ownNamed = ChannelFieldsWithoutColumn();
    const size_t count = kChannelFieldCount + ownNamed.size();
    ChannelComparison row;
    row.channel = channel;
    for (int side = 0; side < 2; ++side) {
        row.inUse[side] = images[side]->IsChannelValid(channel);
        row.fields[side].resize(count);
    }
    row.differs.resize(count, false);
    if (!row.inUse[0] && !row.inUse[1]) {
        return row;  // what an unused record holds is left over, not a value
    }
    const EntrySides entry{row.inUse, scope.Covers(*InUseField(FieldPlace::Channel))};
    for (size_t field = 0; field < count; ++field) {
        std::array<std::string, 2> texts;
        std::array<std::string, 2> stored;
        bool covered = false;
        if (field < kChannelFieldCount) {
            const ChannelColumn column = ChannelFieldColumn(static_cast<int>(field));
            for (size_t side = 0; side < 2; ++side) {
                texts[side] = ChannelFieldText(*images[side], channel, column, words);
                stored[side] = StoredText(*images[side], channel, column);
            }
            covered =
                scope.CoversAny([column](const ProjectField& f) { return f.column == column; });
        } else {
            const ProjectField& own = *ownNamed[field - kChannelFieldCount];
            for (size_t side = 0; side < 2; ++side) {
                const FieldValue value = ReadFieldValue(*images[side], own, channel);
                texts[side] = value.text;
                stored[side] = value.stored;
            }
            covered = scope.Covers(own);
        }
        row.differs[field] = MarkEntryValue(entry, covered, texts, stored);
        row.fields[0][field] = std::move(texts[0]);
        row.fields[1][field] = std::move(texts[1]);
    }
    return row;
}

std::string BandText(const BandLimits& band) {
    return FreqToText(band.lower) + "-" + FreqToText(band.upper) + " MHz";
}

std::string BandStored(const BandLimits& band) {
    return std::to_string(band.lower) + "-" + std::to_string(band.upper) + " Hz";
}

size_t OptionOffset(const OptionField& option) {
    return std::visit([](auto field) { return field.offset; }, option.field);
}

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

SettingComparison CompareOption(const Images& images, const OptionField& option, TLangType words,
                                const FieldScope& scope) {
    const std::array<unsigned, 2> stored = {OptionValue(*images[0], option),
                                            OptionValue(*images[1], option)};
    SettingComparison setting;
    setting.caption = LangTextUtf8(words, option.caption);
    setting.words = {OptionWord(words, option, stored[0]), OptionWord(words, option, stored[1])};
    const bool covered = scope.CoversAny([&option](const ProjectField& f) {
        return f.place == FieldPlace::Settings && f.offset == OptionOffset(option);
    });
    setting.differs = covered && MarkDifference(setting.words, {std::to_string(stored[0]),
                                                                std::to_string(stored[1])});
    return setting;
}

// A field no page shows, in its own name; a password's words only say that it is hidden.
SettingComparison CompareOwnNamed(const Images& images, const ProjectField& field, int entry,
                                  TLangType words, const FieldScope& scope) {
    SettingComparison setting;
    setting.caption = setting.field = field.name;
    setting.area = Area::Setting;
    std::array<std::string, 2> stored;
    for (size_t side = 0; side < 2; ++side) {
        FieldValue value = ReadFieldValue(*images[side], field, entry);
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

SettingComparison CompareEntryField(const Images& images, const ProjectField& field,
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
void CompareAddrBook(const Images& images, TLangType words, const FieldScope& scope,
                     std::vector<SettingComparison>& settings) {
    const bool inUseCovered = scope.Covers(*InUseField(FieldPlace::AddrBook));
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

std::string EnglishChannelCaption(const ProjectField& field) {
    if (!field.column) {
        return field.name;
    }
    return LangTextUtf8(TLangType::English,
                        text::kChannelFieldCaptions[static_cast<size_t>(*field.column) - 1]);
}

}  // namespace

bool ChannelComparison::Identical() const {
    return std::ranges::none_of(differs, [](bool field) { return field; });
}

std::vector<FieldDifference> ProjectComparison::Differences() const {
    std::vector<FieldDifference> list;
    if (band.differs) {
        list.push_back({Area::Band, 0, band.caption, band.words[0], band.words[1]});
    }
    for (const ChannelComparison& row : channels) {
        for (size_t field = 0; field < row.differs.size(); ++field) {
            if (row.differs[field]) {
                list.push_back({Area::Channel, row.channel, fieldCaptions[field],
                                row.fields[0][field], row.fields[1][field], row.inUse[0],
                                row.inUse[1]});
            }
        }
    }
    for (const SettingComparison& setting : options) {
        if (!setting.differs) {
            continue;
        }
        FieldDifference difference{setting.area,
                                   setting.entry,
                                   setting.field.empty() ? setting.caption : setting.field,
                                   setting.words[0],
                                   setting.words[1],
                                   setting.inUse[0],
                                   setting.inUse[1],
                                   setting.valuesHidden};
        if (difference.valuesHidden) {
            difference.left.clear();
            difference.right.clear();
        }
        list.push_back(std::move(difference));
    }
    return list;
}

ProjectComparison CompareSideBySide(const ProjectImage& a, const BandLimits& bandA,
                                    const ProjectImage& b, const BandLimits& bandB, TLangType words,
                                    std::optional<RadioKind> heldBy) {
    const FieldScope scope(heldBy);
    ProjectComparison comparison;
    for (const TextId caption : text::kChannelFieldCaptions) {
        comparison.fieldCaptions.push_back(LangTextUtf8(words, caption));
    }
    for (const ProjectField* field : ChannelFieldsWithoutColumn()) {
        comparison.fieldCaptions.emplace_back(field->name);
    }

    // The band is compared as the working limits the project was opened or read with; the
    // image holds their copy as it was last saved.
    SettingComparison& band = comparison.band;
    band.caption = LangTextUtf8(words, text::kFrequencyBand);
    band.area = Area::Band;
    band.words = {BandText(bandA), BandText(bandB)};
    band.differs = scope.CoversAny([](const ProjectField& f) {
        return f.place == FieldPlace::Band;
    }) && MarkDifference(band.words, {BandStored(bandA), BandStored(bandB)});

    const Images images = {&a, &b};
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        comparison.channels.push_back(CompareChannel(images, channel, words, scope));
    }

    for (const OptionField& option : OptionFields()) {
        comparison.options.push_back(CompareOption(images, option, words, scope));
    }
    for (const ProjectField& field : ProjectFieldTable()) {
        if (field.place == FieldPlace::Settings && !PageOption(field)) {
            comparison.options.push_back(CompareOwnNamed(images, field, 0, words, scope));
        }
    }
    CompareAddrBook(images, words, scope, comparison.options);
    return comparison;
}

std::vector<FieldDifference> CompareProjects(const ProjectImage& a, const BandLimits& bandA,
                                             const ProjectImage& b, const BandLimits& bandB,
                                             TLangType words, std::optional<RadioKind> heldBy) {
    return CompareSideBySide(a, bandA, b, bandB, words, heldBy).Differences();
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
