#pragma once
// CTCSS/DCS tones: text forms, standard tables and the standard-value test.
// A tone is (type, code): type 0 none, 1 CTCSS (code in 0.1 Hz), 2 DCS normal,
// 3 DCS inverted (code 0x2800 + the octal code).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace radioprog {

enum ToneType : uint8_t { kToneNone = 0, kToneCtcss = 1, kToneDcsNormal = 2, kToneDcsInverted = 3 };
inline constexpr uint16_t kDcsCodeBase = 0x2800;

struct Tone {
    uint8_t type = kToneNone;
    uint16_t code = 0;
    friend bool operator==(const Tone&, const Tone&) = default;
};

// The 50 standard CTCSS tones in tenths of a hertz.
const std::array<uint16_t, 50>& CtcssTable();
// The 105 standard DCS codes as numbers (octal 023 is 19).
const std::array<uint16_t, 105>& DcsTable();
// "Off", the CTCSS texts, the DCS codes as "DnnnN", then as "DnnnI": 261 texts.
const std::vector<std::string>& ToneTextList();

std::string ToneToText(uint16_t code, uint8_t type);
// Accepts "Off"/"", "DnnnN", "DnnnI" and CTCSS texts between 30.0 and 260.0 Hz.
// A rejected text leaves type and code unchanged and returns false.
bool TextToTone(std::string_view text, uint8_t& type, uint16_t& code);
bool IsStandardTone(uint16_t code, uint8_t type);

}  // namespace radioprog
