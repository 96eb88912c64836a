#include "channellist/ChirpTones.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "channellist/ChannelColumns.h"

namespace radioprog {

namespace {

using THaldenFuncs::detail::EqualsIgnoringCase;

constexpr const char* kDefaultCtcss = "88.5";
constexpr const char* kDefaultDcs = "023";
constexpr const char* kDefaultCross = "Tone->Tone";

// Hertz with any number of decimals, as long as they stop at tenths ("88.5", "88.50", "100").
std::optional<uint16_t> CtcssTenths(std::string_view text) {
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (whole.empty() || whole.size() > 3 || !std::ranges::all_of(whole, isDigit) ||
        !std::ranges::all_of(decimals, isDigit) ||
        (decimals.size() > 1 && decimals.find_first_not_of('0', 1) != std::string_view::npos)) {
        return std::nullopt;
    }
    unsigned tenths = 0;
    for (const char c : whole) {
        tenths = tenths * 10 + static_cast<unsigned>(c - '0');
    }
    tenths = tenths * 10 + (decimals.empty() ? 0u : static_cast<unsigned>(decimals[0] - '0'));
    return static_cast<uint16_t>(tenths);
}

bool IsNone(const Tone& tone) {
    return tone.type != kToneCtcss && tone.type != kToneDcsNormal && tone.type != kToneDcsInverted;
}

bool IsDcs(const Tone& tone) {
    return tone.type == kToneDcsNormal || tone.type == kToneDcsInverted;
}

std::string CtcssText(uint16_t tenths) {
    return std::to_string(tenths / 10) + '.' + static_cast<char>('0' + tenths % 10);
}

std::string DcsText(uint16_t code) {
    const unsigned octal = code & 0x1FF;
    std::string text(3, '0');
    text[0] = static_cast<char>('0' + (octal >> 6));
    text[1] = static_cast<char>('0' + ((octal >> 3) & 7));
    text[2] = static_cast<char>('0' + (octal & 7));
    return text;
}

char PolarityLetter(const Tone& tone) {
    return tone.type == kToneDcsInverted ? 'R' : 'N';
}

// Reads the fields of one row; each reader names the field it failed on.
class ToneReader {
  public:
    explicit ToneReader(const ChirpToneCells& cells) : cells_(cells) {}

    std::optional<ChirpToneError> Read(ChirpTones& tones) {
        tones = {};
        auto error = ReadTones(tones);
        tones.stoodIn = stoodIn_;
        return error;
    }

  private:
    std::optional<ChirpToneError> ReadTones(ChirpTones& tones) {
        const std::string mode(Text(ChirpToneField::Mode));
        if (mode.empty()) {
            return std::nullopt;
        }
        if (EqualsIgnoringCase(mode, "Tone")) {
            return Ctcss(ChirpToneField::TxCtcss, tones.tx);
        }
        if (EqualsIgnoringCase(mode, "TSQL")) {
            auto error = Ctcss(ChirpToneField::RxCtcss, tones.rx);
            tones.tx = tones.rx;
            return error;
        }
        if (EqualsIgnoringCase(mode, "DTCS")) {
            // One code both ways, each way with its own polarity.
            if (auto error = Dcs(ChirpToneField::TxDcs, 0, tones.tx)) {
                return error;
            }
            return Dcs(ChirpToneField::TxDcs, 1, tones.rx);
        }
        if (EqualsIgnoringCase(mode, "TSQL-R") || EqualsIgnoringCase(mode, "DTCS-R")) {
            return Error(ChirpToneField::Mode,
                         "reverse squelch (muted while the tone is heard), which the radio does "
                         "not have");
        }
        if (EqualsIgnoringCase(mode, "Cross")) {
            return Cross(tones);
        }
        return Error(ChirpToneField::Mode,
                     "not a tone mode: empty, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross");
    }

    // "Tone->DTCS": what is transmitted, then what opens the squelch; either side may be empty.
    std::optional<ChirpToneError> Cross(ChirpTones& tones) {
        const std::string_view cross = Text(ChirpToneField::CrossMode);
        const size_t arrow = cross.find("->");
        const auto side = [](std::string_view text) {
            return text.empty()                       ? 0
                   : EqualsIgnoringCase(text, "Tone") ? 1
                   : EqualsIgnoringCase(text, "DTCS") ? 2
                                                      : -1;
        };
        const int tx = arrow == std::string_view::npos ? -1 : side(cross.substr(0, arrow));
        const int rx = arrow == std::string_view::npos ? -1 : side(cross.substr(arrow + 2));
        if (tx < 0 || rx < 0 || (tx == 0 && rx == 0)) {
            return Error(ChirpToneField::CrossMode,
                         "not a cross mode: Tone->Tone, Tone->DTCS, DTCS->Tone, DTCS->DTCS, "
                         "->Tone, ->DTCS, Tone-> or DTCS->");
        }
        std::optional<ChirpToneError> error;
        if (tx == 1) {
            error = Ctcss(ChirpToneField::TxCtcss, tones.tx);
        } else if (tx == 2) {
            error = Dcs(ChirpToneField::TxDcs, 0, tones.tx);
        }
        if (error) {
            return error;
        }
        if (rx == 1) {
            return Ctcss(ChirpToneField::RxCtcss, tones.rx);
        }
        if (rx == 2) {
            return Dcs(ChirpToneField::RxDcs, 1, tones.rx);
        }
        return std::nullopt;
    }

    std::optional<ChirpToneError> Ctcss(ChirpToneField field, Tone& tone) {
        const std::string_view text = Text(field);
        const auto tenths = CtcssTenths(text);
        if (!tenths || std::ranges::find(CtcssTable(), *tenths) == CtcssTable().end()) {
            return Error(field, "not one of the radio's 50 CTCSS tones, like 88.5");
        }
        tone = {kToneCtcss, *tenths};
        return std::nullopt;
    }

    // way 0 is transmit, 1 receive: the place of its letter in the polarity pair.
    std::optional<ChirpToneError> Dcs(ChirpToneField field, int way, Tone& tone) {
        const std::string_view text = Text(field);
        unsigned octal = 0;
        bool digits = !text.empty() && text.size() <= 3;
        for (const char c : text) {
            digits = digits && c >= '0' && c <= '7';
            octal = octal * 8 + static_cast<unsigned>(c - '0');
        }
        if (!digits || std::ranges::find(DcsTable(), octal) == DcsTable().end()) {
            return Error(field, "not one of the radio's 105 DCS codes, like 023");
        }
        std::string polarity(Text(ChirpToneField::Polarity));
        if (polarity.empty()) {
            polarity = "NN";
        }
        for (char& c : polarity) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        if (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos) {
            return Error(ChirpToneField::Polarity,
                         "not a polarity pair: NN, NR, RN or RR (transmit, then receive; N "
                         "normal, R reversed)");
        }
        tone.type = polarity[static_cast<size_t>(way)] == 'R' ? kToneDcsInverted : kToneDcsNormal;
        tone.code = static_cast<uint16_t>(kDcsCodeBase + octal);
        return std::nullopt;
    }

    std::string_view Text(ChirpToneField field) {
        if (const auto& cell = cells_[field]) {
            return TrimmedCell(*cell);
        }
        stoodIn_ |= 1u << static_cast<unsigned>(field);
        const ChirpToneStandIn standIn = ChirpToneDefault(field);
        if (standIn.other && cells_[*standIn.other]) {
            return TrimmedCell(*cells_[*standIn.other]);
        }
        return standIn.text;
    }

    // The field is named where its text came from: a missing column's stand-in, when the file
    // has that one. A format default is always a value the radio takes.
    std::optional<ChirpToneError> Error(ChirpToneField field, std::string why) const {
        const ChirpToneStandIn standIn = ChirpToneDefault(field);
        if (!cells_[field] && standIn.other && cells_[*standIn.other]) {
            field = *standIn.other;
        }
        return ChirpToneError{field, std::move(why)};
    }

    const ChirpToneCells& cells_;
    unsigned stoodIn_ = 0;
};

}  // namespace

ChirpToneStandIn ChirpToneDefault(ChirpToneField field) {
    using F = ChirpToneField;
    switch (field) {
        case F::TxCtcss:
            return {F::RxCtcss, kDefaultCtcss};
        case F::RxCtcss:
            return {F::TxCtcss, kDefaultCtcss};
        case F::TxDcs:
            return {F::RxDcs, kDefaultDcs};
        case F::RxDcs:
            return {F::TxDcs, kDefaultDcs};
        case F::Polarity:
            return {std::nullopt, "NN"};
        case F::CrossMode:
            return {std::nullopt, kDefaultCross};
        case F::Mode:
            break;
    }
    return {std::nullopt, ""};
}

std::optional<ChirpToneError> ReadChirpTones(const ChirpToneCells& cells, ChirpTones& tones) {
    return ToneReader(cells).Read(tones);
}

ChirpToneTexts WriteChirpTones(Tone rx, Tone tx) {
    ChirpToneTexts out;
    auto& f = out.fields;
    const auto set = [&f](ChirpToneField field, std::string text) {
        f[static_cast<int>(field)] = std::move(text);
    };
    set(ChirpToneField::TxCtcss, kDefaultCtcss);
    set(ChirpToneField::RxCtcss, kDefaultCtcss);
    set(ChirpToneField::TxDcs, kDefaultDcs);
    set(ChirpToneField::RxDcs, kDefaultDcs);
    set(ChirpToneField::CrossMode, kDefaultCross);
    set(ChirpToneField::Polarity, std::string{PolarityLetter(tx), PolarityLetter(rx)});

    if (IsNone(rx) && IsNone(tx)) {
        return out;
    }
    if (IsNone(rx) && tx.type == kToneCtcss) {
        set(ChirpToneField::Mode, "Tone");
        set(ChirpToneField::TxCtcss, CtcssText(tx.code));
        return out;
    }
    if (rx.type == kToneCtcss && tx == rx) {
        set(ChirpToneField::Mode, "TSQL");
        set(ChirpToneField::TxCtcss, CtcssText(rx.code));
        set(ChirpToneField::RxCtcss, CtcssText(rx.code));
        return out;
    }
    if (IsDcs(rx) && IsDcs(tx) && rx.code == tx.code) {
        set(ChirpToneField::Mode, "DTCS");
        set(ChirpToneField::TxDcs, DcsText(tx.code));
        set(ChirpToneField::RxDcs, DcsText(rx.code));
        return out;
    }
    set(ChirpToneField::Mode, "Cross");
    std::string cross;
    if (tx.type == kToneCtcss) {
        cross = "Tone";
        set(ChirpToneField::TxCtcss, CtcssText(tx.code));
    } else if (IsDcs(tx)) {
        cross = "DTCS";
        set(ChirpToneField::TxDcs, DcsText(tx.code));
    }
    cross += "->";
    if (rx.type == kToneCtcss) {
        cross += "Tone";
        set(ChirpToneField::RxCtcss, CtcssText(rx.code));
    } else if (IsDcs(rx)) {
        cross += "DTCS";
        set(ChirpToneField::RxDcs, DcsText(rx.code));
    }
    set(ChirpToneField::CrossMode, cross);
    return out;
}

}  // namespace radioprog
