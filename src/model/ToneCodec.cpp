#include "model/ToneCodec.h"

#include <algorithm>
#include <optional>

namespace radioprog {

namespace {

constexpr uint16_t kNoToneCode = 0xFFFF;
constexpr uint16_t kDcsOctalMask = 0x1FF;  // three octal digits
constexpr uint16_t kLowestCtcss = 300;     // tenths of a hertz
constexpr uint16_t kHighestCtcss = 2600;

constexpr std::array<uint16_t, 50> kCtcssTable = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799, 1835, 1862, 1899, 1928, 1966,
    1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541,
};

// Octal literals: each code is the number its three octal digits name.
constexpr std::array<uint16_t, 105> kDcsTable = {
    023,  025,  026,  031,  032,  036,  043,  047,  051,  053,  054,  065,  071,  072,  073,
    074,  0114, 0115, 0116, 0122, 0125, 0131, 0132, 0134, 0143, 0145, 0152, 0155, 0156, 0162,
    0165, 0172, 0174, 0205, 0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246, 0251, 0252, 0255,
    0261, 0263, 0265, 0266, 0271, 0274, 0306, 0311, 0315, 0325, 0331, 0332, 0343, 0346, 0351,
    0356, 0364, 0365, 0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445, 0446, 0452, 0454, 0455,
    0462, 0464, 0465, 0466, 0503, 0506, 0516, 0523, 0526, 0532, 0546, 0565, 0606, 0612, 0624,
    0627, 0631, 0632, 0645, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754,
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

std::string CtcssText(uint16_t code) {
    return std::to_string(code / 10) + '.' + static_cast<char>('0' + code % 10);
}

std::string DcsText(uint16_t code, char suffix) {
    const unsigned octal = code & kDcsOctalMask;
    std::string text = "D";
    text += static_cast<char>('0' + (octal >> 6));
    text += static_cast<char>('0' + ((octal >> 3) & 7));
    text += static_cast<char>('0' + (octal & 7));
    text += suffix;
    return text;
}

// "Dnnn" followed by the suffix already checked by the caller.
std::optional<uint16_t> ParseDcsCode(std::string_view text) {
    if (text[0] != 'D' || !IsOctalDigit(text[1]) || !IsOctalDigit(text[2]) ||
        !IsOctalDigit(text[3])) {
        return std::nullopt;
    }
    const unsigned octal = (text[1] - '0') * 64u + (text[2] - '0') * 8u + (text[3] - '0');
    return static_cast<uint16_t>(kDcsCodeBase + octal);
}

// Places 3 and 4 (when present) each hold a digit or the point, and 3 to 5 characters hold
// exactly one point; a fifth character is a digit.
bool HasCtcssShape(std::string_view text) {
    const size_t n = text.size();
    if (n < 2 || n > 5 || !IsDigit(text[0]) || !IsDigit(text[1])) {
        return false;
    }
    // Tones of 30 to 59.9 Hz are not offered to the radio.
    if (text[0] == '3' || text[0] == '4' || text[0] == '5') {
        return false;
    }
    int points = 0;
    for (size_t i = 2; i < std::min<size_t>(n, 4); ++i) {
        if (text[i] == '.') {
            ++points;
        } else if (!IsDigit(text[i])) {
            return false;
        }
    }
    if (n == 5 && !IsDigit(text[4])) {
        return false;
    }
    return n < 4 ? points <= 1 : points == 1;
}

// Tenths of a hertz of a text of CTCSS shape: its digits read as one number with the point
// skipped, times ten when no digit follows the point (or there is none). So "88.5" is 885,
// "88" and "88." are 880, "25.55" is 2555, while "88.50" is 8850 and out of range.
std::optional<uint16_t> CtcssTenths(std::string_view text) {
    unsigned value = 0;
    bool digitAfterPoint = false;
    bool point = false;
    for (char c : text) {
        if (c == '.') {
            point = true;
            continue;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
        digitAfterPoint = digitAfterPoint || point;
    }
    if (!digitAfterPoint) {
        value *= 10;
    }
    if (value < kLowestCtcss || value > kHighestCtcss) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(value);
}

}  // namespace

const std::array<uint16_t, 50>& CtcssTable() {
    return kCtcssTable;
}

const std::array<uint16_t, 105>& DcsTable() {
    return kDcsTable;
}

const std::vector<std::string>& ToneTextList() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> list;
        list.reserve(1 + kCtcssTable.size() + 2 * kDcsTable.size());
        list.push_back("Off");
        for (uint16_t tenths : kCtcssTable) {
            list.push_back(CtcssText(tenths));
        }
        for (char suffix : {'N', 'I'}) {
            for (uint16_t octal : kDcsTable) {
                list.push_back(DcsText(octal, suffix));
            }
        }
        return list;
    }();
    return texts;
}

std::string ToneToText(uint16_t code, uint8_t type) {
    if (code == 0 || code == kNoToneCode) {
        return "Off";
    }
    switch (type) {
        case kToneCtcss:
            return CtcssText(code);
        case kToneDcsNormal:
            return DcsText(code, 'N');
        case kToneDcsInverted:
            return DcsText(code, 'I');
        default:
            return "Off";
    }
}

bool TextToTone(std::string_view text, uint8_t& type, uint16_t& code) {
    if (text.empty() || text == "Off") {
        type = kToneNone;
        code = kNoToneCode;
        return true;
    }
    if (text.size() >= 5 && (text[4] == 'N' || text[4] == 'I')) {
        const std::optional<uint16_t> dcs = ParseDcsCode(text);
        if (!dcs) {
            return false;
        }
        type = text[4] == 'N' ? kToneDcsNormal : kToneDcsInverted;
        code = *dcs;
        return true;
    }
    if (!HasCtcssShape(text)) {
        return false;
    }
    const std::optional<uint16_t> tenths = CtcssTenths(text);
    if (!tenths) {
        return false;
    }
    type = kToneCtcss;
    code = *tenths;
    return true;
}

bool IsStandardTone(uint16_t code, uint8_t type) {
    switch (type) {
        case kToneNone:
            return true;
        case kToneCtcss:
            return std::find(kCtcssTable.begin(), kCtcssTable.end(), code) != kCtcssTable.end();
        case kToneDcsNormal:
        case kToneDcsInverted:
            return code >= kDcsCodeBase &&
                   std::find(kDcsTable.begin(), kDcsTable.end(),
                             static_cast<uint16_t>(code - kDcsCodeBase)) != kDcsTable.end();
        default:
            return false;
    }
}

}  // namespace radioprog
