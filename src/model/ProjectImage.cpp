#include "model/ProjectImage.h"

#include <algorithm>

#include "model/ProjectFields.h"

namespace radioprog {

void ChannelRecord::FollowReceiveTone(uint8_t typeBefore) {
    constexpr uint8_t kNone = 0, kCarrier = 0, kDtmf = 1, kTone = 2, kDtmfAndTone = 3,
                      kDtmfOrTone = 4;
    const uint8_t typeAfter = RxToneType();
    const uint8_t mode = SquelchMode();
    if (typeBefore == kNone && typeAfter != kNone) {
        if (mode == kCarrier) {
            SetSquelchMode(kTone);
        }
    } else if (typeBefore != kNone && typeAfter == kNone) {
        const bool keepsDtmf = Dtmf() && (mode == kDtmfAndTone || mode == kDtmfOrTone);
        SetSquelchMode(keepsDtmf ? kDtmf : kCarrier);
    }
}

namespace {

bool IsInRange(int n, int count) {
    return n >= 1 && n <= count;
}

bool ReadBit(std::span<const uint8_t> set, int n) {
    return (set[static_cast<size_t>(n) / 8] >> (n % 8)) & 1;
}

void WriteBit(std::span<uint8_t> set, int n, bool on) {
    const auto mask = static_cast<uint8_t>(1u << (n % 8));
    uint8_t& byte = set[static_cast<size_t>(n) / 8];
    byte = on ? (byte | mask) : (byte & ~mask);
}

}  // namespace

void ChannelRecord::SetRxTone(uint8_t type, uint16_t code) {
    Set(bytes_, channel::RxToneType, type);
    Set(bytes_, channel::RxToneCode, code);
}

void ChannelRecord::SetTxTone(uint8_t type, uint16_t code) {
    Set(bytes_, channel::TxToneType, type);
    Set(bytes_, channel::TxToneCode, code);
}

void ChannelRecord::SetSquelchMode(uint8_t mode) {
    SetFlagsA(static_cast<uint8_t>((FlagsA() & ~channel::SquelchModeMask) |
                                   (mode & channel::SquelchModeMask)));
}

void ChannelRecord::SetBusyFit(uint8_t value) {
    SetFlagsA(static_cast<uint8_t>((FlagsA() & ~channel::BusyFitMask) |
                                   ((value << channel::BusyFitShift) & channel::BusyFitMask)));
}

void ChannelRecord::SetFlagB(uint8_t bit, bool on) {
    SetFlagsB(static_cast<uint8_t>(on ? (FlagsB() | bit) : (FlagsB() & ~bit)));
}

void ChannelRecord::InitialiseNew(uint32_t rxHz) {
    SetRxFreq(rxHz);
    SetTxFreq(rxHz);
    SetRxTone(0, 0);
    SetTxTone(0, 0);
    SetFlagsA(0);
    SetFlagsC(0);
    SetFlagsD(0);
    SetFlagsB(channel::NewChannelFlagsB);
}

namespace {

// Out-of-range numbers land on the unused slot 0 rather than outside the image.
size_t ChannelStart(int n) {
    const int slot = std::clamp(n, 0, kChannelCount);
    return image::ChannelsStart + image::ChannelRecordSize * static_cast<size_t>(slot);
}

}  // namespace

ChannelRecord ProjectImage::Channel(int n) {
    return ChannelRecord(std::span(bytes_).subspan(ChannelStart(n), image::ChannelRecordSize));
}

ConstChannelRecord ProjectImage::Channel(int n) const {
    return ConstChannelRecord(std::span(bytes_).subspan(ChannelStart(n), image::ChannelRecordSize));
}

std::span<uint8_t> ProjectImage::AddrBookEntry(int n) {
    const int slot = std::clamp(n, 0, kAddrBookCount);
    return std::span(bytes_).subspan(
        image::AddrBookStart + image::AddrBookEntrySize * static_cast<size_t>(slot),
        image::AddrBookEntrySize);
}

bool ProjectImage::HasChannelInUse() const {
    for (int n = 1; n <= kChannelCount; ++n) {
        if (IsChannelValid(n)) {
            return true;
        }
    }
    return false;
}

bool ProjectImage::IsChannelValid(int n) const {
    return n >= 0 && n <= kChannelCount && ReadBit(Field(image::ChannelValid), n);
}

void ProjectImage::SetChannelValid(int n, bool valid) {
    if (IsInRange(n, kChannelCount)) {
        WriteBit(Field(image::ChannelValid), n, valid);
    }
}

bool ProjectImage::IsEntryValid(int n) const {
    return n >= 0 && n <= kAddrBookCount && ReadBit(Field(image::AddrBookValid), n);
}

void ProjectImage::SetEntryValid(int n, bool valid) {
    if (IsInRange(n, kAddrBookCount)) {
        WriteBit(Field(image::AddrBookValid), n, valid);
    }
}

std::string ProjectImage::Text(BytesField f) const {
    const auto field = Field(f);
    const auto end = std::find(field.begin(), field.end(), uint8_t{0});
    return std::string(field.begin(), end);
}

void ProjectImage::SetText(BytesField f, std::string_view text) {
    auto field = Field(f);
    std::fill(field.begin(), field.end(), uint8_t{0});
    std::copy_n(text.begin(), std::min(text.size(), field.size()), field.begin());
}

void ProjectImage::ResetToDefaults() {
    bytes_.fill(0);
    using namespace settings;
    Set(Voice, uint8_t{1});
    Set(Sql, uint8_t{5});
    Set(settings::SquelchMode, uint8_t{3});
    Set(SubaudioTail, uint8_t{3});
    Set(VoxDelay, uint16_t{2000});
    Set(Tot, uint16_t{180});
    Set(Toa, uint8_t{5});
    Set(Scan, uint8_t{1});
    Set(Beep, uint8_t{1});
    Set(Saving, uint8_t{1});
    Set(SavingRate, uint8_t{3});
    Set(ChannelReport, uint8_t{1});
    Set(Hold1750Hz, uint8_t{3});
    Set(AlarmMode, uint8_t{1});
    Set(MasterTxPeriod, uint8_t{5});
    Set(SlaveTimeout, uint8_t{10});
    Set(SlaveAlarmPeriod, uint8_t{2});
    Set(PowerOnBeep, uint8_t{1});
    Set(Key1Short, uint8_t{8});
    Set(Key2Short, uint8_t{3});
    Set(AlarmCode, uint16_t{6000});
    Set(image::WriteNewPasswordWithData, uint8_t{0});
    ResetDtmfDefaults();
}

void ProjectImage::ResetDtmfDefaults() {
    for (auto f : {image::DtmfResetReserved1, image::AddrBookValid, image::DtmfResetReserved2}) {
        auto bytes = Field(f);
        std::fill(bytes.begin(), bytes.end(), uint8_t{0});
    }
    using namespace settings;
    Set(DtmfId, uint16_t{1});
    Set(DtmfGroup, uint8_t{1});
    Set(EncodeMode, uint8_t{1});
    Set(SideTone, uint8_t{0});
    Set(Control, uint8_t{0});
    Set(DigitSpeed, uint8_t{100});
    Set(PauseDuration, uint8_t{100});
    Set(FirstDelay, uint16_t{100});
    Set(Pretime, uint16_t{500});
    Set(MiJingDelay, uint16_t{50});
    Set(GroupCode, uint8_t{0});
    Set(AutoReset, uint8_t{0});
    Set(SendAni, uint8_t{0});
}

}  // namespace radioprog
