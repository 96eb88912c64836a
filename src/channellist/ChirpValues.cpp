#include "channellist/ChirpValues.h"

#include <algorithm>

#include "lang/AppLang.h"

namespace radioprog {

namespace {

constexpr uint64_t kMillion = 1000000;

// A decimal number with up to six decimals as an integer count of millionths.
std::optional<uint64_t> ParseMillionths(std::string_view text) {
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string_view decimals =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (whole.empty() || whole.size() > 7 || !std::ranges::all_of(whole, isDigit) ||
        !std::ranges::all_of(decimals, isDigit)) {
        return std::nullopt;
    }
    while (decimals.size() > 6 && decimals.back() == '0') {
        decimals.remove_suffix(1);
    }
    if (decimals.size() > 6) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (const char c : whole) {
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    for (size_t i = 0; i < 6; ++i) {
        value = value * 10 + (i < decimals.size() ? static_cast<uint64_t>(decimals[i] - '0') : 0);
    }
    return value;
}

}  // namespace

std::optional<uint32_t> ParseChirpMHz(std::string_view text) {
    const auto hz = ParseMillionths(text);
    if (!hz || *hz > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(*hz);
}

std::optional<uint32_t> ParseChirpStepHz(std::string_view text) {
    const auto millionthKHz = ParseMillionths(text);
    if (!millionthKHz || *millionthKHz % 1000 != 0 || *millionthKHz / 1000 > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(*millionthKHz / 1000);
}

std::optional<uint64_t> ParseChirpMilliwatts(std::string_view text) {
    using THaldenFuncs::detail::EqualsIgnoringCase;
    uint64_t perMilliwatt = 1000;  // millionths of a watt in a milliwatt
    if (text.size() > 2 && EqualsIgnoringCase(text.substr(text.size() - 2), "mW")) {
        perMilliwatt = kMillion;  // millionths of a milliwatt
        text.remove_suffix(2);
    } else if (!text.empty() && (text.back() == 'W' || text.back() == 'w')) {
        text.remove_suffix(1);
    } else {
        return std::nullopt;
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    const auto value = ParseMillionths(text);
    if (!value || *value < perMilliwatt) {
        return std::nullopt;
    }
    return *value / perMilliwatt;
}

std::string CutNameBytes(const std::string& bytes, size_t maxBytes) {
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t length = static_cast<unsigned char>(bytes[at]) >= 0x81 ? 2 : 1;
        if (at + length > maxBytes) {
            break;
        }
        at += length;
    }
    return bytes.substr(0, at);
}

}  // namespace radioprog
