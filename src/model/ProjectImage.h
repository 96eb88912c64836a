#pragma once
// The one packed block of everything the tool edits about a radio. The project file is
// this block byte for byte, so the offsets below are also file offsets and must never move.
//
//    0   74  reserved              1144 220  reserved
//   74    8  DeviceSn              1364 17x72 Channels (slot 0 unused)
//   82    1  reserved              2588 154  reserved
//   83   13  UnlockPassword        2742 162  settings scalars (ProjectFields.h)
//   96   13  NewPassword           2904   9  FirmwareVersion
//  109   13  reserved (DTMF reset) 2913   1  WriteNewPasswordWithData
//  122    3  AddrBookValid         2914   4  BandUpper
//  125    2  reserved (DTMF reset) 2918   4  BandLower
//  127  694  reserved              2922  16  ChannelValid (3 bytes used)
//  821 17x19 AddrBook (slot 0)     2938  16  reserved

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/ByteAccess.h"
#include "model/PackedRecord.h"

namespace radioprog {

inline constexpr size_t kProjectImageSize = 2954;
inline constexpr int kChannelCount = 16;
inline constexpr int kAddrBookCount = 16;

namespace image {
inline constexpr BytesField DeviceSn{74, 8};
inline constexpr BytesField UnlockPassword{83, 13};
inline constexpr BytesField NewPassword{96, 13};
inline constexpr BytesField DtmfResetReserved1{109, 13};
inline constexpr BytesField AddrBookValid{122, 3};
inline constexpr BytesField DtmfResetReserved2{125, 2};
inline constexpr size_t AddrBookStart = 821;
inline constexpr size_t AddrBookEntrySize = 19;
inline constexpr size_t ChannelsStart = 1364;
inline constexpr size_t ChannelRecordSize = 72;
inline constexpr BytesField FirmwareVersion{2904, 9};
inline constexpr U8Field WriteNewPasswordWithData{2913};
inline constexpr U32Field BandUpper{2914};
inline constexpr U32Field BandLower{2918};
inline constexpr BytesField ChannelValid{2922, 16};
}  // namespace image

// ChannelRecord, offsets from the start of the record.
namespace channel {
inline constexpr U32Field RxFreq{0};
inline constexpr U32Field TxFreq{14};
inline constexpr U16Field RxToneCode{28};
inline constexpr U8Field RxToneType{30};
inline constexpr U16Field TxToneCode{41};
inline constexpr U8Field TxToneType{43};
inline constexpr U8Field FlagsA{57};  // bits 0-2 SquelchMode, bits 3-4 BusyFit
inline constexpr U8Field FlagsB{58};  // bit 3 Dtmf, 4 Wide, 5 HighPower, 7 ScanAdd
inline constexpr U8Field FlagsC{59};
inline constexpr U8Field FlagsD{60};
inline constexpr BytesField Name{61, 6};

inline constexpr uint8_t SquelchModeMask = 0x07;
inline constexpr int BusyFitShift = 3;
inline constexpr uint8_t BusyFitMask = 0x18;
inline constexpr uint8_t DtmfBit = 0x08;
inline constexpr uint8_t WideBit = 0x10;
inline constexpr uint8_t HighPowerBit = 0x20;
inline constexpr uint8_t ScanAddBit = 0x80;
// FlagsB of a channel created by typing a frequency into an empty row.
inline constexpr uint8_t NewChannelFlagsB = WideBit | HighPowerBit | ScanAddBit;
}  // namespace channel

// Address-book entry, offsets from the start of the entry.
namespace addrbook {
inline constexpr BytesField Code{0, 11};
inline constexpr U8Field CodeLength{11};
inline constexpr BytesField Name{12, 6};
}  // namespace addrbook

// A read-only view of one 72-byte channel record inside the image.
class ConstChannelRecord {
  public:
    explicit ConstChannelRecord(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    uint32_t RxFreq() const { return Get(bytes_, channel::RxFreq); }
    uint32_t TxFreq() const { return Get(bytes_, channel::TxFreq); }
    uint16_t RxToneCode() const { return Get(bytes_, channel::RxToneCode); }
    uint8_t RxToneType() const { return Get(bytes_, channel::RxToneType); }
    uint16_t TxToneCode() const { return Get(bytes_, channel::TxToneCode); }
    uint8_t TxToneType() const { return Get(bytes_, channel::TxToneType); }
    uint8_t FlagsA() const { return Get(bytes_, channel::FlagsA); }
    uint8_t FlagsB() const { return Get(bytes_, channel::FlagsB); }
    uint8_t FlagsC() const { return Get(bytes_, channel::FlagsC); }
    uint8_t FlagsD() const { return Get(bytes_, channel::FlagsD); }
    uint8_t SquelchMode() const { return FlagsA() & channel::SquelchModeMask; }
    uint8_t BusyFit() const { return (FlagsA() & channel::BusyFitMask) >> channel::BusyFitShift; }
    bool Dtmf() const { return FlagsB() & channel::DtmfBit; }
    bool Wide() const { return FlagsB() & channel::WideBit; }
    bool HighPower() const { return FlagsB() & channel::HighPowerBit; }
    bool ScanAdd() const { return FlagsB() & channel::ScanAddBit; }

  private:
    std::span<const uint8_t> bytes_;
};

// A writable view of one channel record.
class ChannelRecord : public ConstChannelRecord {
  public:
    explicit ChannelRecord(std::span<uint8_t> bytes) : ConstChannelRecord(bytes), bytes_(bytes) {}

    void SetRxFreq(uint32_t hz) { Set(bytes_, channel::RxFreq, hz); }
    void SetTxFreq(uint32_t hz) { Set(bytes_, channel::TxFreq, hz); }
    void SetRxTone(uint8_t type, uint16_t code);
    void SetTxTone(uint8_t type, uint16_t code);
    void SetFlagsA(uint8_t v) { Set(bytes_, channel::FlagsA, v); }
    void SetFlagsB(uint8_t v) { Set(bytes_, channel::FlagsB, v); }
    void SetFlagsC(uint8_t v) { Set(bytes_, channel::FlagsC, v); }
    void SetFlagsD(uint8_t v) { Set(bytes_, channel::FlagsD, v); }
    void SetSquelchMode(uint8_t mode);
    void SetBusyFit(uint8_t value);
    void SetDtmf(bool on) { SetFlagB(channel::DtmfBit, on); }
    void SetWide(bool on) { SetFlagB(channel::WideBit, on); }
    void SetHighPower(bool on) { SetFlagB(channel::HighPowerBit, on); }
    void SetScanAdd(bool on) { SetFlagB(channel::ScanAddBit, on); }

    // Fills the record as a channel created by typing rxHz into an empty row: the name
    // bytes stay as they were.
    void InitialiseNew(uint32_t rxHz);
    // After the user changed the receive tone from one of typeBefore: a tone added to a
    // carrier channel makes it a tone channel; a tone removed goes back to carrier, or to
    // DTMF where DTMF was part of the squelch mode.
    void FollowReceiveTone(uint8_t typeBefore);

    std::span<uint8_t> Bytes() const { return bytes_; }

  private:
    void SetFlagB(uint8_t bit, bool on);
    std::span<uint8_t> bytes_;
};

class ProjectImage : public PackedRecord<kProjectImageSize> {
  public:
    // Channels and address-book entries are numbered 1..16; 0 is the unused slot.
    ChannelRecord Channel(int n);
    ConstChannelRecord Channel(int n) const;
    std::span<uint8_t> AddrBookEntry(int n);

    bool IsChannelValid(int n) const;
    void SetChannelValid(int n, bool valid);
    // Whether any of the 16 channels is in use; writing a project without one clears a radio.
    bool HasChannelInUse() const;
    bool IsEntryValid(int n) const;
    void SetEntryValid(int n, bool valid);

    // A zero-filled text field read up to its first zero byte (or its full width).
    std::string Text(BytesField f) const;
    // Stores text truncated to the field, zero-filling the rest.
    void SetText(BytesField f, std::string_view text);

    // The "new" operation without the last write time, which lives outside the block.
    void ResetToDefaults();
    void ResetDtmfDefaults();
};

static_assert(image::ChannelsStart + 17 * image::ChannelRecordSize == 2588);
static_assert(image::AddrBookStart + 17 * image::AddrBookEntrySize == 1144);
static_assert(image::ChannelValid.offset + image::ChannelValid.size + 16 == kProjectImageSize);

}  // namespace radioprog
