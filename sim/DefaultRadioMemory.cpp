// What a radio fresh from the factory holds: erased memory (0xFF) with a settings area for
// the 400-480 MHz band, four channels and a calibration block; a legacy radio holds the
// same four channels in its own layout.

#include <algorithm>

#include "RadioSimulator.h"

namespace radioprog {

namespace {

using Record = std::array<uint8_t, 19>;
using LegacyRecord = std::array<uint8_t, 16>;

// Settings area at 0x4000, multi-byte values most significant byte first:
//  0 year(2) month day hour minute | 6 Tot(2) | 8 Toa | 9 Beep | 10 Saving | 11 rate*200(2)
// 13 Sql | 14 Voice | 15 scan bitmap(2) | 17 0 | 18 Vox | 19 VoxDelay(2) | 21 0 | 22 0x0A
// 23 Key1Short | 24 Key2Short | 25 band lower Hz(4) | 29 band upper Hz(4) | 33 AlarmCode(2)
// 35 Alarm | 36..63 zero
constexpr uint16_t kSettingsAddress = 0x4000;
constexpr std::array<uint8_t, 64> kSettings = {
    0x07, 0xE8, 0x01, 0x01, 0x0C, 0x00,  // 2024-01-01 12:00
    0x00, 0x3C,                          // time-out 60 s
    0x00, 0x01, 0x01,                    // no pre-alert, beep on, saver on
    0x00, 0xC8,                          // saver ratio 1
    0x03, 0x01,                          // squelch 3, voice on
    0x00, 0x0F,                          // channels 1-4 scanned
    0x00, 0x00, 0x01, 0xF4, 0x00, 0x0A,  // VOX off, 500 ms
    0x02, 0x03,                          // side keys
    0x17, 0xD7, 0x84, 0x00,              // 400000000 Hz
    0x1C, 0x9C, 0x38, 0x00,              // 480000000 Hz
    0x00, 0x00, 0x00};

// Channel records at 0x8080, 19 bytes each: rx(3) tx(3) rx tone(4) tx tone(4) types/classes
// flags power tune squelch offset. Channels: 400.025 wide high; 438.500 CTCSS 88.5 both ways;
// 446.00625 narrow low; 462.5625 CTCSS 88.5 receive only.
constexpr uint16_t kChannelsAddress = 0x8080;
constexpr std::array<Record, 4> kChannelsS = {{
    {0x61, 0xA9, 0x90, 0x61, 0xA9, 0x90, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x30,
     0x46, 0x6E, 0x00},
    {0x6B, 0x0E, 0x40, 0x6B, 0x0E, 0x40, 0x03, 0x75, 0x22, 0x92, 0x03, 0x75, 0x22, 0x92, 0x05, 0x30,
     0x4D, 0x75, 0x00},
    {0x6C, 0xE3, 0x64, 0x6C, 0xE3, 0x64, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
     0x1C, 0x77, 0x00},
    {0x70, 0xEE, 0x28, 0x70, 0xEE, 0x28, 0x03, 0x75, 0x22, 0x92, 0x00, 0x00, 0x00, 0x00, 0x01, 0x30,
     0x52, 0x7A, 0x00},
}};
constexpr std::array<Record, 4> kChannelsY = {{
    {0x30, 0xD4, 0xC8, 0x30, 0xD4, 0xC8, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x30,
     0x46, 0x6E, 0x00},
    {0x35, 0x87, 0x20, 0x35, 0x87, 0x20, 0x03, 0x75, 0x16, 0xA7, 0x03, 0x75, 0x16, 0xA7, 0x05, 0x30,
     0x4D, 0x75, 0x00},
    {0x36, 0x71, 0xB2, 0x36, 0x71, 0xB2, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
     0x1C, 0x77, 0x00},
    {0x38, 0x77, 0x14, 0x38, 0x77, 0x14, 0x03, 0x75, 0x16, 0xA7, 0x00, 0x00, 0x00, 0x00, 0x01, 0x30,
     0x52, 0x7A, 0x00},
}};

// Calibration block at 0x81B0 (144 bytes): five points (MHz(2) PowerH PowerL Tune), the
// squelch open/close and VOX tables, battery levels, deviation words, chip settings.
constexpr uint16_t kCalibrationAddress = 0x81B0;
constexpr size_t kCalibrationSize = 144;
std::array<uint8_t, kCalibrationSize> CalibrationBlock(bool variantY) {
    std::array<uint8_t, kCalibrationSize> block{};
    constexpr std::array<uint8_t, 25> points = {
        0x01, 0x90, 70, 24, 110,  // 400 MHz
        0x01, 0xA4, 74, 26, 114,  // 420 MHz
        0x01, 0xB8, 78, 28, 118,  // 440 MHz
        0x01, 0xCC, 82, 30, 122,  // 460 MHz
        0x01, 0xE0, 86, 32, 126,  // 480 MHz
    };
    constexpr std::array<uint8_t, 30> levelTables = {
        0, 11,  14,  18,  21,  25,  26,  27, 28, 30,  // squelch open
        0, 9,   12,  16,  19,  23,  24,  25, 26, 28,  // squelch close
        0, 200, 180, 160, 140, 120, 100, 80, 60, 40,  // VOX
    };
    constexpr std::array<uint8_t, 12> battery = {100, 105, 110, 115, 120, 125,
                                                 130, 135, 140, 145, 150, 98};
    std::copy(points.begin(), points.end(), block.begin());
    std::copy(levelTables.begin(), levelTables.end(), block.begin() + 25);
    std::copy(battery.begin(), battery.end(), block.begin() + 55);  // 55 wait, 56 table, 66 tx
    // Deviation words: 16 bits on an 'S' radio, the low byte alone on a 'Y' radio.
    const std::array<uint16_t, 3> deviation = {0x0230, 0x0240, 0x0250};
    for (size_t i = 0; i < deviation.size(); ++i) {
        if (variantY) {
            block[68 + 2 * i] = static_cast<uint8_t>(deviation[i]);
        } else {
            block[68 + 2 * i] = static_cast<uint8_t>(deviation[i] >> 8);
            block[69 + 2 * i] = static_cast<uint8_t>(deviation[i]);
        }
    }
    block[74] = 0x0E;   // CTCSS deviation (6 bits)
    block[75] = 0x0D;   // DCS deviation (6 bits)
    block[76] = 0x10;   // crystal trim
    block[78] = 0x08;   // fine microphone gain
    block[79] = 0x05;   // microphone gain
    block[123] = 0x01;  // crystal setting: 13 MHz
    constexpr std::array<uint8_t, 10> volume = {0, 4, 8, 12, 16, 20, 24, 28, 32, 36};
    std::copy(volume.begin(), volume.end(), block.begin() + 124);
    return block;
}

// Legacy channel records at 16n: rx and tx as BCD of Hz/10, least significant pair first;
// no tones (FF FF); flags A to D.
constexpr std::array<LegacyRecord, 4> kLegacyChannels = {{
    {0x00, 0x25, 0x00, 0x40, 0x00, 0x25, 0x00, 0x40, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x30, 0, 0},
    {0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x85, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x30, 0, 0},
    {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0, 0},
    {0x50, 0x62, 0x25, 0x46, 0x50, 0x62, 0x25, 0x46, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x30, 0, 0},
}};

template <size_t N>
void Place(std::vector<uint8_t>& memory, size_t address, const std::array<uint8_t, N>& bytes) {
    std::copy(bytes.begin(), bytes.end(), memory.begin() + address);
}

void FillLegacy(std::vector<uint8_t>& memory) {
    for (size_t i = 0; i < kLegacyChannels.size(); ++i) {
        Place(memory, 16 * (i + 1), kLegacyChannels[i]);
    }
    memory[0x011D] = 4;     // side key 1
    memory[0x011E] = 5;     // side key 2
    memory[0x012F] = 1;     // voice on
    memory[0x0130] = 4;     // time-out 60 s in steps of 15 s
    memory[0x0131] = 0;     // no pre-alert
    memory[0x0134] = 3;     // squelch
    memory[0x0135] = 1;     // saver on
    memory[0x0136] = 1;     // beep on
    memory[0x017E] = 0x0F;  // channels 1-4 scanned
    memory[0x017F] = 0x00;
}

}  // namespace

std::vector<uint8_t> DefaultRadioMemory(RadioKind kind) {
    std::vector<uint8_t> memory(kRadioAddressSpace, 0xFF);
    if (kind == RadioKind::Legacy) {
        FillLegacy(memory);
        return memory;
    }
    const bool variantY = kind == RadioKind::Y;
    Place(memory, kSettingsAddress, kSettings);
    const auto& channels = variantY ? kChannelsY : kChannelsS;
    for (size_t i = 0; i < channels.size(); ++i) {
        Place(memory, kChannelsAddress + 19 * i, channels[i]);
    }
    Place(memory, kCalibrationAddress, CalibrationBlock(variantY));
    return memory;
}

}  // namespace radioprog
