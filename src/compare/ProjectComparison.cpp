#include "compare/ProjectComparison.h"

#include <cstdio>

#include "channellist/ChannelColumns.h"
#include "lang/InterfaceText.h"
#include "lang/OptionFields.h"
#include "lang/TextIds.h"
#include "model/FreqCodec.h"

namespace radioprog {

namespace {

using THaldenFuncs::TLangType;

std::string HexBytes(const std::string& bytes) {
    std::string hex;
    for (const unsigned char byte : bytes) {
        char two[4];
        std::snprintf(two, sizeof two, "%02X", byte);
        hex += hex.empty() ? "" : " ";
        hex += two;
    }
    return hex;
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
            return std::to_string(ch.RxToneType()) + "/" + std::to_string(ch.RxToneCode());
        case ChannelColumn::TxTone:
            return std::to_string(ch.TxToneType()) + "/" + std::to_string(ch.TxToneCode());
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

ChannelComparison CompareChannel(const std::array<const ProjectImage*, 2>& images, int channel,
                                 TLangType words) {
    ChannelComparison row;
    row.channel = channel;
    for (int side = 0; side < 2; ++side) {
        row.inUse[side] = images[side]->IsChannelValid(channel);
        row.fields[side].resize(kChannelFieldCount);
    }
    row.differs.resize(kChannelFieldCount, false);
    if (!row.inUse[0] && !row.inUse[1]) {
        return row;  // what an unused record holds is left over, not a value
    }
    for (int field = 0; field < kChannelFieldCount; ++field) {
        const ChannelColumn column = ChannelFieldColumn(field);
        std::array<std::string, 2> texts;
        std::array<std::string, 2> stored;
        for (int side = 0; side < 2; ++side) {
            if (row.inUse[side]) {
                texts[side] = ChannelFieldText(*images[side], channel, column, words);
                stored[side] = StoredText(*images[side], channel, column);
            }
        }
        // A channel on one side only differs in every field, even an empty name.
        row.differs[field] = row.inUse[0] != row.inUse[1] || MarkDifference(texts, stored);
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
    for (const bool field : differs) {
        if (field) {
            return false;
        }
    }
    return true;
}

std::vector<FieldDifference> ProjectComparison::Differences() const {
    using Area = FieldDifference::Area;
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
    for (const SettingComparison& option : options) {
        if (option.differs) {
            list.push_back({Area::Option, 0, option.caption, option.words[0], option.words[1]});
        }
    }
    return list;
}

ProjectComparison CompareSideBySide(const ProjectImage& a, const BandLimits& bandA,
                                    const ProjectImage& b, const BandLimits& bandB,
                                    TLangType words) {
    ProjectComparison comparison;
    for (const TextId caption : text::kChannelFieldCaptions) {
        comparison.fieldCaptions.push_back(LangTextUtf8(words, caption));
    }

    SettingComparison& band = comparison.band;
    band.caption = LangTextUtf8(words, text::kFrequencyBand);
    band.words = {BandText(bandA), BandText(bandB)};
    band.differs = MarkDifference(band.words, {BandStored(bandA), BandStored(bandB)});

    const std::array<const ProjectImage*, 2> images = {&a, &b};
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        comparison.channels.push_back(CompareChannel(images, channel, words));
    }

    for (const OptionField& field : OptionFields()) {
        const std::array<unsigned, 2> stored = {OptionValue(a, field), OptionValue(b, field)};
        SettingComparison option{
            LangTextUtf8(words, field.caption),
            {OptionWord(words, field, stored[0]), OptionWord(words, field, stored[1])}};
        option.differs =
            MarkDifference(option.words, {std::to_string(stored[0]), std::to_string(stored[1])});
        comparison.options.push_back(std::move(option));
    }
    return comparison;
}

std::vector<FieldDifference> CompareProjects(const ProjectImage& a, const BandLimits& bandA,
                                             const ProjectImage& b, const BandLimits& bandB,
                                             TLangType words) {
    return CompareSideBySide(a, bandA, b, bandB, words).Differences();
}

}  // namespace radioprog
