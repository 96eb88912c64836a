#include "compare/ProjectComparison.h"

#include <algorithm>

#include "channellist/ChannelColumns.h"
#include "compare/FieldMarking.h"
#include "compare/ProjectFieldText.h"
#include "compare/SettingComparisons.h"
#include "lang/InterfaceText.h"
#include "lang/TextIds.h"
#include "model/FreqCodec.h"

namespace radioprog {

namespace {

using THaldenFuncs::TLangType;
using Area = FieldDifference::Area;

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

ChannelComparison CompareChannel(const ComparedImages& images, int channel, TLangType words,
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
    const EntrySides entry{row.inUse, scope.CoversInUse(FieldPlace::Channel)};
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

    const ComparedImages images = {&a, &b};
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        comparison.channels.push_back(CompareChannel(images, channel, words, scope));
    }

    CompareSettings(images, words, scope, comparison.options);
    return comparison;
}

std::vector<FieldDifference> CompareProjects(const ProjectImage& a, const BandLimits& bandA,
                                             const ProjectImage& b, const BandLimits& bandB,
                                             TLangType words, std::optional<RadioKind> heldBy) {
    return CompareSideBySide(a, bandA, b, bandB, words, heldBy).Differences();
}

}  // namespace radioprog
