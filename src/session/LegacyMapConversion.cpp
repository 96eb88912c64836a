#include "session/LegacyMapConversion.h"

#include <algorithm>

#include "model/ProjectFields.h"
#include "model/RadioEncoding.h"

namespace radioprog {

namespace {

// Key functions that legacy radios know, and their codes there.
struct LegacyKey {
    uint8_t function;
    uint8_t code;
    bool key1Only;
};
constexpr LegacyKey kLegacyKeys[] = {
    {2, 4, false},   // monitor
    {3, 5, false},   // momentary monitor
    {24, 2, true},   // first key only
    {25, 8, false},  // alarm
};

constexpr uint8_t kLegacySavingRate = 3;

std::span<uint8_t> LegacyChannel(RadioMemory& memory, int n) {
    return std::span(memory.bytes)
        .subspan(radiomap::LegacyChannelOffset(n), radiomap::kLegacyChannelRecordSize);
}

std::span<const uint8_t> LegacyChannel(const RadioMemory& memory, int n) {
    return std::span(memory.bytes)
        .subspan(radiomap::LegacyChannelOffset(n), radiomap::kLegacyChannelRecordSize);
}

template <size_t N>
void PutBytes(std::span<uint8_t> record, size_t offset, const std::array<uint8_t, N>& bytes) {
    std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

template <size_t N>
std::array<uint8_t, N> TakeBytes(std::span<const uint8_t> record, size_t offset) {
    std::array<uint8_t, N> bytes{};
    std::copy_n(record.begin() + static_cast<std::ptrdiff_t>(offset), N, bytes.begin());
    return bytes;
}

void PutLegacyChannel(std::span<uint8_t> record, ConstChannelRecord ch) {
    using namespace legacychannel;
    PutBytes(record, kRxFreq, EncodeFreqBcd(ch.RxFreq()));
    PutBytes(record, kTxFreq, EncodeFreqBcd(ch.TxFreq()));
    PutBytes(record, kRxTone, EncodeTone2(ch.RxToneCode(), ch.RxToneType()));
    PutBytes(record, kTxTone, EncodeTone2(ch.TxToneCode(), ch.TxToneType()));
    record[kFlags] = ch.FlagsA();
    record[kFlags + 1] = ch.FlagsB();
    record[kFlags + 2] = ch.FlagsC();
    record[kFlags + 3] = ch.FlagsD();
}

void TakeLegacyChannel(std::span<const uint8_t> record, ChannelRecord ch) {
    using namespace legacychannel;
    ch.SetRxFreq(DecodeFreqBcd(TakeBytes<4>(record, kRxFreq)));
    ch.SetTxFreq(DecodeFreqBcd(TakeBytes<4>(record, kTxFreq)));
    const Tone rx = DecodeTone2(TakeBytes<2>(record, kRxTone));
    const Tone tx = DecodeTone2(TakeBytes<2>(record, kTxTone));
    ch.SetRxTone(rx.type, rx.code);
    ch.SetTxTone(tx.type, tx.code);
    ch.SetFlagsA(record[kFlags]);
    ch.SetFlagsB(record[kFlags + 1]);
    ch.SetFlagsC(record[kFlags + 2]);
    ch.SetFlagsD(record[kFlags + 3]);
}

bool IsLegacyChannelInUse(std::span<const uint8_t> record) {
    const uint8_t b = record[legacychannel::kInUseByte];
    return b != 0x00 && b != 0xFF;
}

}  // namespace

uint8_t KeyToLegacyCode(uint8_t keyFunction, bool key1) {
    for (const LegacyKey& k : kLegacyKeys) {
        if (k.function == keyFunction && (key1 || !k.key1Only)) {
            return k.code;
        }
    }
    return 0;
}

uint8_t KeyFromLegacyCode(uint8_t legacyCode, bool key1) {
    for (const LegacyKey& k : kLegacyKeys) {
        if (k.code == legacyCode && (key1 || !k.key1Only)) {
            return k.function;
        }
    }
    return 0;
}

void GetDataForWrite_old(const ProjectImage& image, RadioMemory& memory) {
    using namespace radiomap;
    memory.bytes.fill(0xFF);
    uint16_t scanBitmap = 0;
    for (int n = 1; n <= kChannelCount; ++n) {
        if (!image.IsChannelValid(n)) {
            continue;
        }
        const ConstChannelRecord ch = image.Channel(n);
        PutLegacyChannel(LegacyChannel(memory, n), ch);
        if (ch.ScanAdd()) {
            scanBitmap = static_cast<uint16_t>(scanBitmap | (1u << (n - 1)));
        }
    }
    auto& m = memory.bytes;
    m[kLegacyTot] = static_cast<uint8_t>(image.Get(settings::Tot) / kLegacyTotStep);
    m[kLegacyToa] = image.Get(settings::Toa);
    m[kLegacyBeep] = image.Get(settings::Beep);
    m[kLegacySaving] = image.Get(settings::Saving);
    m[kLegacySql] = image.Get(settings::Sql);
    m[kLegacyVoice] = image.Get(settings::Voice);
    WriteU16(m, kLegacyScanBitmap, scanBitmap);
    m[kLegacyKey1Short] = KeyToLegacyCode(image.Get(settings::Key1Short), true);
    m[kLegacyKey2Short] = KeyToLegacyCode(image.Get(settings::Key2Short), false);
}

void SetDataToSoftware_old(const RadioMemory& memory, ProjectImage& image,
                           LastWriteTime& lastWriteTime) {
    using namespace radiomap;
    const auto& m = memory.bytes;
    const uint16_t scanBitmap = ReadU16(m, kLegacyScanBitmap);
    std::ranges::fill(image.Field(image::ChannelValid), uint8_t{0});
    for (int n = 1; n <= kChannelCount; ++n) {
        const auto record = LegacyChannel(memory, n);
        if (!IsLegacyChannelInUse(record)) {
            continue;
        }
        image.SetChannelValid(n, true);
        ChannelRecord ch = image.Channel(n);
        TakeLegacyChannel(record, ch);
        ch.SetScanAdd((scanBitmap >> (n - 1)) & 1);
    }
    image.Set(settings::Tot, static_cast<uint16_t>(m[kLegacyTot] * kLegacyTotStep));
    image.Set(settings::Toa, m[kLegacyToa]);
    image.Set(settings::Beep, m[kLegacyBeep]);
    image.Set(settings::Saving, m[kLegacySaving]);
    image.Set(settings::Sql, m[kLegacySql]);
    image.Set(settings::Voice, m[kLegacyVoice]);
    image.Set(settings::Key1Short, KeyFromLegacyCode(m[kLegacyKey1Short], true));
    image.Set(settings::Key2Short, KeyFromLegacyCode(m[kLegacyKey2Short], false));
    image.Set(settings::SavingRate, kLegacySavingRate);
    std::ranges::fill(image.Field(image::DeviceSn), uint8_t{0});
    lastWriteTime = {};
}

}  // namespace radioprog
