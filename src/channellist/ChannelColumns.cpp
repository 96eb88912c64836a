#include "channellist/ChannelColumns.h"

#include <span>

#include "lang/InterfaceText.h"
#include "lang/TextCodec.h"
#include "model/FreqCodec.h"
#include "model/ToneCodec.h"

namespace radioprog {

namespace {

using THaldenFuncs::TLangType;
using THaldenFuncs::detail::EqualsIgnoringCase;

// The word of each stored value, by the value: index 0 is the word for 0.
constexpr TextId kPowerWords[] = {27, 26};                // Low, High
constexpr TextId kBandwidthWords[] = {29, 28};            // Narrow, Wide
constexpr TextId kBusyWords[] = {32, 34, 33};             // OFF, DQT, CAT
constexpr TextId kScanWords[] = {31, 30};                 // DEL, ADD
constexpr TextId kDtmfWords[] = {202, 201};               // OFF, ON
constexpr TextId kSquelchWords[] = {76, 77, 78, 79, 80};  // Carrier ... DTMF or CTC/DCS

struct ColumnInfo {
    TextId caption;
    std::span<const TextId> words;
    uint8_t highest = 0;  // the largest value the field's bits hold
};

// In ChannelColumn order.
constexpr ColumnInfo kColumns[kChannelColumnCount] = {
    {15, {}},                  // NO.
    {16, {}},                  // RX Freq.
    {17, {}},                  // TX Freq.
    {18, {}},                  // QT/DQT Dec
    {19, {}},                  // QT/DQT Enc
    {20, kPowerWords, 1},      // TX Power
    {21, kBandwidthWords, 1},  // Bandwidth
    {23, kBusyWords, 3},       // Busy Inhibit
    {24, {}},                  // Name
    {22, kScanWords, 1},       // SCN
    {77, kDtmfWords, 1},       // DTMF
    {45, kSquelchWords, 7},    // Squelch Mode
};

const ColumnInfo& Info(ChannelColumn column) {
    return kColumns[static_cast<int>(column)];
}

std::string RowText(TextId id, TLangType language) {
    const TextRow& row = InterfaceTextSource()[static_cast<size_t>(id)];
    switch (language) {
        case TLangType::SimplifiedChinese:
            return row.simplified;
        case TLangType::TraditionalChinese:
            return row.traditional;
        default:
            return row.english;
    }
}

bool NamesText(TextId id, std::string_view text) {
    for (const TLangType language :
         {TLangType::English, TLangType::SimplifiedChinese, TLangType::TraditionalChinese}) {
        if (EqualsIgnoringCase(text, RowText(id, language))) {
            return true;
        }
    }
    return false;
}

// A value without a word of its own (a busy lock of 3 from a foreign file) is written as its
// number, which reads back to the same value.
std::string WordText(ChannelColumn column, uint8_t value, TLangType language) {
    const auto words = Info(column).words;
    return value < words.size() ? RowText(words[value], language) : std::to_string(value);
}

Tone RxTone(const ConstChannelRecord& ch) {
    return {ch.RxToneType(), ch.RxToneCode()};
}

Tone TxTone(const ConstChannelRecord& ch) {
    return {ch.TxToneType(), ch.TxToneCode()};
}

}  // namespace

std::string_view TrimmedCell(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

BytesField ChannelNameField(int channel) {
    return {image::ChannelsStart + image::ChannelRecordSize * static_cast<size_t>(channel) +
                channel::Name.offset,
            channel::Name.size};
}

uint8_t WordValue(const ConstChannelRecord& ch, ChannelColumn column) {
    switch (column) {
        case ChannelColumn::Power:
            return ch.HighPower();
        case ChannelColumn::Bandwidth:
            return ch.Wide();
        case ChannelColumn::BusyLock:
            return ch.BusyFit();
        case ChannelColumn::ScanAdd:
            return ch.ScanAdd();
        case ChannelColumn::Dtmf:
            return ch.Dtmf();
        default:
            return ch.SquelchMode();
    }
}

void SetWordValue(ChannelRecord& ch, ChannelColumn column, uint8_t value) {
    switch (column) {
        case ChannelColumn::Power:
            return ch.SetHighPower(value != 0);
        case ChannelColumn::Bandwidth:
            return ch.SetWide(value != 0);
        case ChannelColumn::BusyLock:
            return ch.SetBusyFit(value);
        case ChannelColumn::ScanAdd:
            return ch.SetScanAdd(value != 0);
        case ChannelColumn::Dtmf:
            return ch.SetDtmf(value != 0);
        default:
            return ch.SetSquelchMode(value);
    }
}

std::optional<uint8_t> ParseWordCell(ChannelColumn column, std::string_view text) {
    const ColumnInfo& info = Info(column);
    for (size_t value = 0; value < info.words.size(); ++value) {
        if (NamesText(info.words[value], text)) {
            return static_cast<uint8_t>(value);
        }
    }
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '0' + info.highest) {
        return static_cast<uint8_t>(text[0] - '0');
    }
    return std::nullopt;
}

std::string WordChoices(ChannelColumn column) {
    std::string list;
    for (const TextId id : Info(column).words) {
        list += (list.empty() ? "" : ", ") + RowText(id, TLangType::English);
    }
    return list;
}

std::vector<std::string> WordList(ChannelColumn column, TLangType language) {
    std::vector<std::string> words;
    for (const TextId id : Info(column).words) {
        words.push_back(RowText(id, language));
    }
    return words;
}

// The grid's tone editor turns d, n and i into capitals as they are typed; "off" is the
// list's "Off" typed by hand.
std::optional<Tone> ParseToneCell(std::string_view text) {
    std::string typed(text);
    if (EqualsIgnoringCase(typed, "off")) {
        typed = "Off";
    }
    for (char& c : typed) {
        if (c == 'd' || c == 'n' || c == 'i') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    Tone tone;
    if (!TextToTone(typed, tone.type, tone.code)) {
        return std::nullopt;
    }
    return tone;
}

// An empty transmit frequency is no transmit frequency, as in the grid.
std::optional<uint32_t> ParseFreqCell(ChannelColumn column, std::string_view text) {
    if (column == ChannelColumn::TxFreq && text.empty()) {
        return 0;
    }
    return TextToFreq(text);
}

std::string ColumnHeader(ChannelColumn column) {
    return RowText(Info(column).caption, TLangType::English);
}

std::optional<ChannelColumn> ColumnFromHeader(std::string_view caption) {
    const std::string_view text = TrimmedCell(caption);
    for (int i = 0; i < kChannelColumnCount; ++i) {
        if (NamesText(kColumns[i].caption, text)) {
            return static_cast<ChannelColumn>(i);
        }
    }
    return std::nullopt;
}

std::string ChannelFieldText(const ProjectImage& image, int channel, ChannelColumn column,
                             TLangType words) {
    const ConstChannelRecord ch = image.Channel(channel);
    switch (column) {
        case ChannelColumn::Number:
            return std::to_string(channel);
        case ChannelColumn::RxFreq:
            return FreqToText(ch.RxFreq());
        case ChannelColumn::TxFreq:
            return FreqToText(ch.TxFreq());
        case ChannelColumn::RxTone:
            return ToneToText(RxTone(ch).code, RxTone(ch).type);
        case ChannelColumn::TxTone:
            return ToneToText(TxTone(ch).code, TxTone(ch).type);
        case ChannelColumn::Name:
            return DecodeCodePage(image.Text(ChannelNameField(channel)), CodePage::Gbk);
        default:
            return WordText(column, WordValue(ch, column), words);
    }
}

}  // namespace radioprog
