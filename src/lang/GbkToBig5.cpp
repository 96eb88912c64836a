#include "lang/GbkToBig5.h"

#include <array>

#include "lang/IconvConverter.h"

namespace radioprog {
namespace {

// The table is built from the C library's own GBK and Big5 converters the first time it is
// needed, rather than generated into a source file: it then follows exactly the character
// sets that also decode the texts for display (the same converters), there is no 24,066-entry
// file to review or keep in step, and building it costs a few milliseconds once.
using Big5Table = std::array<std::uint16_t, kGbkToBig5Entries>;

std::size_t TableIndex(std::uint8_t lead, std::uint8_t trail) {
    return (lead - kGbkLeadFirst) * kGbkTrailSpan + (trail - kGbkTrailFirst);
}

std::uint16_t ConvertOnePair(IconvConverter& converter, std::uint8_t lead, std::uint8_t trail) {
    const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    char out[4] = {};
    const IconvConverter::Step step = converter.Convert(std::string_view(in, 2), out, sizeof out);
    // Only a clean one-to-one character: both input bytes used and a proper two-byte Big5
    // code out (its lead byte is never below 0x81).
    if (step.error != 0 || step.consumed != 2 || step.produced != 2) {
        return 0;
    }
    const auto big5Lead = static_cast<std::uint8_t>(out[0]);
    const auto big5Trail = static_cast<std::uint8_t>(out[1]);
    if (big5Lead < 0x81) {
        return 0;
    }
    return static_cast<std::uint16_t>(big5Lead << 8 | big5Trail);
}

Big5Table BuildBig5Table() {
    Big5Table table{};
    IconvConverter converter("BIG5", "GBK");
    if (!converter.valid()) {
        return table;  // no converter: every character passes unchanged
    }
    for (unsigned lead = kGbkLeadFirst; lead <= kGbkLeadLast; ++lead) {
        for (unsigned trail = kGbkTrailFirst; trail <= kGbkTrailLast; ++trail) {
            table[TableIndex(lead, trail)] = ConvertOnePair(
                converter, static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(trail));
        }
    }
    return table;
}

const Big5Table& TheBig5Table() {
    static const Big5Table table = BuildBig5Table();
    return table;
}

}  // namespace

std::uint16_t Big5CodeOfGbk(std::uint8_t lead, std::uint8_t trail) {
    if (!IsGbkLeadByte(lead) || !IsGbkTrailByte(trail)) {
        return 0;
    }
    return TheBig5Table()[TableIndex(lead, trail)];
}

std::string ConvertGbkToBig5(std::string_view gbk) {
    std::string out(gbk);
    std::size_t i = 0;
    while (i < out.size()) {
        const auto lead = static_cast<std::uint8_t>(out[i]);
        if (i + 1 < out.size() && IsGbkLeadByte(lead)) {
            const auto trail = static_cast<std::uint8_t>(out[i + 1]);
            if (IsGbkTrailByte(trail)) {
                if (const std::uint16_t big5 = Big5CodeOfGbk(lead, trail); big5 != 0) {
                    out[i] = static_cast<char>(big5 >> 8);
                    out[i + 1] = static_cast<char>(big5 & 0xFF);
                }
                i += 2;
                continue;
            }
        }
        ++i;
    }
    return out;
}

}  // namespace radioprog
