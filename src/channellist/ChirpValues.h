#pragma once
// The numbers and names of the multi-radio CSV format as our values: megahertz and kilohertz
// with decimals, power in watts, names cut to the radio's bytes. Exact integer arithmetic, so
// that "446.00625" and "446.006250" are the same hertz and "2.5" kHz is never a 5 kHz step.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace radioprog {

// Megahertz with up to six decimals (more only when they are zeros), to the hertz.
std::optional<uint32_t> ParseChirpMHz(std::string_view text);

// A tuning step in kilohertz ("5.00", "6.25", "12.5"), in hertz; nullopt when it is not a
// whole number of hertz.
std::optional<uint32_t> ParseChirpStepHz(std::string_view text);

// Power as the format writes it: watts with a W ("5.0W", "4W") or milliwatts ("500mW");
// nullopt for anything else, zero included.
std::optional<uint64_t> ParseChirpMilliwatts(std::string_view text);

// Code-page bytes of a name cut to at most maxBytes without splitting a two-byte character
// (a lead byte from 0x81 starts two).
std::string CutNameBytes(const std::string& bytes, size_t maxBytes);

}  // namespace radioprog
