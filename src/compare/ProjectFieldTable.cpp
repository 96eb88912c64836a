#include "compare/ProjectFieldTable.h"

#include "model/ProjectFields.h"
#include "model/ProjectImage.h"

namespace radioprog {

namespace {

using Column = ChannelColumn;
using Form = FieldForm;
using Place = FieldPlace;

constexpr uint8_t kNone = kHeldByNoRadio;
constexpr uint8_t kCurrent = kHeldByCurrent;
constexpr uint8_t kLegacy = kHeldByLegacy;
constexpr uint8_t kEvery = kHeldByEveryRadio;

constexpr ProjectField Setting(const char* name, U8Field field, uint8_t heldBy = kNone) {
    return {name, Place::Settings, Form::Number, field.offset, 1, 0xFF, heldBy};
}
constexpr ProjectField Setting(const char* name, U16Field field, uint8_t heldBy = kNone) {
    return {name, Place::Settings, Form::Number, field.offset, 2, 0xFF, heldBy};
}
constexpr ProjectField Digits(const char* name, BytesField digits, U8Field count,
                              Place place = Place::Settings) {
    return {name, place, Form::Digits, digits.offset, digits.size, 0xFF, kNone, {}, count.offset};
}
constexpr ProjectField Bytes(const char* name, Form form, BytesField field,
                             Place place = Place::Settings) {
    return {name, place, form, field.offset, field.size};
}
// A channel field the grid shows in column: the radios that hold it are the column's.
constexpr ProjectField Shown(const char* name, Column column, size_t offset, size_t size,
                             uint8_t mask) {
    return {name, Place::Channel, Form::Number, offset, size, mask, ColumnHeldBy(column), column};
}
constexpr ProjectField Shown(const char* name, Column column, U32Field field) {
    return Shown(name, column, field.offset, 4, 0xFF);
}
constexpr ProjectField Shown(const char* name, Column column, U16Field field) {
    return Shown(name, column, field.offset, 2, 0xFF);
}
constexpr ProjectField Shown(const char* name, Column column, U8Field field, uint8_t mask) {
    return Shown(name, column, field.offset, 1, mask);
}

// Entry n of a valid set is bit n mod 8 of byte n div 8; these are entry 1's.
constexpr uint8_t kFirstEntryBit = 0x02;

using namespace settings;

// The channel record: the current map holds the frequencies, tones, power, bandwidth, busy
// lock and scan list; the legacy record holds the four flag bytes whole, so it keeps the
// squelch mode, the DTMF bit and the two spare flag bytes too. No radio holds a name.
constexpr ProjectField kFields[] = {
    {"ChannelValid", Place::Channel, Form::InUse, image::ChannelValid.offset, 1, kFirstEntryBit,
     kEvery},
    Shown("RxFreq", Column::RxFreq, channel::RxFreq),
    Shown("TxFreq", Column::TxFreq, channel::TxFreq),
    Shown("RxToneCode", Column::RxTone, channel::RxToneCode),
    Shown("RxToneType", Column::RxTone, channel::RxToneType, 0xFF),
    Shown("TxToneCode", Column::TxTone, channel::TxToneCode),
    Shown("TxToneType", Column::TxTone, channel::TxToneType, 0xFF),
    Shown("SquelchMode", Column::SquelchMode, channel::FlagsA, channel::SquelchModeMask),
    Shown("BusyFit", Column::BusyLock, channel::FlagsA, channel::BusyFitMask),
    Shown("Dtmf", Column::Dtmf, channel::FlagsB, channel::DtmfBit),
    Shown("Wide", Column::Bandwidth, channel::FlagsB, channel::WideBit),
    Shown("HighPower", Column::Power, channel::FlagsB, channel::HighPowerBit),
    Shown("ScanAdd", Column::ScanAdd, channel::FlagsB, channel::ScanAddBit),
    {"FlagsC", Place::Channel, Form::Number, channel::FlagsC.offset, 1, 0xFF, kLegacy},
    {"FlagsD", Place::Channel, Form::Number, channel::FlagsD.offset, 1, 0xFF, kLegacy},
    {"Name", Place::Channel, Form::Text, channel::Name.offset, channel::Name.size, 0xFF,
     ColumnHeldBy(Column::Name), Column::Name},

    // The band: the comparison reads the working limits, of which these are the saved copy.
    {"BandLower", Place::Band, Form::Number, image::BandLower.offset, 4, 0xFF, kCurrent},
    {"BandUpper", Place::Band, Form::Number, image::BandUpper.offset, 4, 0xFF, kCurrent},

    // RadioSettings. The current map holds the options page's seven and the VOX, the two short
    // key presses and the alarm; the legacy map six of the page's (not the saver ratio).
    Setting("Voice", Voice, kEvery),
    Setting("Sql", Sql, kEvery),
    Setting("SquelchMode", SquelchMode),
    Setting("SubaudioTail", SubaudioTail),
    Setting("VoxCtrl", VoxCtrl),
    Setting("Vox", Vox, kCurrent),
    Setting("VoxDelay", VoxDelay, kCurrent),
    Setting("Tot", Tot, kEvery),
    Setting("Toa", Toa, kEvery),
    Setting("Scan", Scan),
    Setting("PriScan", PriScan),
    Setting("Beep", Beep, kEvery),
    Setting("Saving", Saving, kEvery),
    Setting("SavingRate", SavingRate, kCurrent),
    Setting("Apo", Apo),
    Setting("ChannelReport", ChannelReport),
    Setting("Ctrl1750Hz", Ctrl1750Hz),
    Setting("Hold1750Hz", Hold1750Hz),
    Setting("Whisper", Whisper),
    Setting("AlarmMode", AlarmMode),
    Setting("RefuseAlarm", RefuseAlarm),
    Setting("AutoConnect", AutoConnect),
    Setting("AutoConnectPos", AutoConnectPos),
    Setting("MasterTxPeriod", MasterTxPeriod),
    Setting("SlaveTimeout", SlaveTimeout),
    Setting("SlaveAlarmPeriod", SlaveAlarmPeriod),
    Setting("PowerOnBeep", PowerOnBeep),
    Setting("AlarmCode", AlarmCode, kCurrent),
    Setting("Alarm", Alarm, kCurrent),

    // KeySettings: both maps hold the short presses.
    Setting("Key1Short", Key1Short, kEvery),
    Setting("Key1Long", Key1Long),
    Setting("Key2Short", Key2Short, kEvery),
    Setting("Key2Long", Key2Long),

    // DtmfSettings and the address book live in the project file only.
    Setting("DtmfId", DtmfId),
    Setting("DtmfGroup", DtmfGroup),
    Setting("EncodeMode", EncodeMode),
    Setting("SideTone", SideTone),
    Setting("Control", Control),
    Setting("DigitSpeed", DigitSpeed),
    Setting("PauseDuration", PauseDuration),
    Setting("FirstDelay", FirstDelay),
    Setting("Pretime", Pretime),
    Setting("MiJingDelay", MiJingDelay),
    Setting("GroupCode", GroupCode),
    Setting("AutoReset", AutoReset),
    Setting("SendAni", SendAni),
    Digits("KillCode", KillCode, KillCodeLength),
    Setting("KillCodeLength", KillCodeLength),
    Digits("StunCode", StunCode, StunCodeLength),
    Setting("StunCodeLength", StunCodeLength),
    Digits("ReviveCode", ReviveCode, ReviveCodeLength),
    Setting("ReviveCodeLength", ReviveCodeLength),
    Setting("Limited", Limited),
    Setting("DizzyState", DizzyState),
    Digits("PttId", PttId, PttIdLength),
    Setting("PttIdLength", PttIdLength),
    Digits("Ani", Ani, AniLength),
    Setting("AniLength", AniLength),
    {"AddrBookValid", Place::AddrBook, Form::InUse, image::AddrBookValid.offset, 1, kFirstEntryBit},
    Digits("Code", addrbook::Code, addrbook::CodeLength, Place::AddrBook),
    {"CodeLength", Place::AddrBook, Form::Number, addrbook::CodeLength.offset, 1},
    Bytes("Name", Form::Text, addrbook::Name, Place::AddrBook),

    // The radio's identity and passwords. A read never brings them: the password the radio
    // holds is not read back, and a legacy read clears the serial number rather than read it.
    Bytes("DeviceSn", Form::Text, image::DeviceSn),
    Bytes("UnlockPassword", Form::Secret, image::UnlockPassword),
    Bytes("NewPassword", Form::Secret, image::NewPassword),
    Setting("WriteNewPasswordWithData", image::WriteNewPasswordWithData),
    Bytes("FirmwareVersion", Form::Text, image::FirmwareVersion),
};

}  // namespace

std::span<const ProjectField> ProjectFieldTable() {
    return kFields;
}

bool IsHeldBy(const ProjectField& field, RadioKind kind) {
    return (field.heldBy & (kind == RadioKind::Legacy ? kHeldByLegacy : kHeldByCurrent)) != 0;
}

namespace {

size_t InPlace(FieldPlace place, int entry, size_t offset) {
    const auto n = static_cast<size_t>(entry);
    switch (place) {
        case FieldPlace::Channel:
            return image::ChannelsStart + n * image::ChannelRecordSize + offset;
        case FieldPlace::AddrBook:
            return image::AddrBookStart + n * image::AddrBookEntrySize + offset;
        default:
            return offset;
    }
}

}  // namespace

size_t FieldOffset(const ProjectField& field, int entry) {
    if (field.form == FieldForm::InUse) {
        return field.offset + static_cast<size_t>(entry) / 8;
    }
    return InPlace(field.place, entry, field.offset);
}

uint8_t FieldMask(const ProjectField& field, int entry) {
    if (field.form == FieldForm::InUse) {
        return static_cast<uint8_t>(1u << (entry % 8));
    }
    return field.mask;
}

size_t CountOffset(const ProjectField& field, int entry) {
    return InPlace(field.place, entry, field.countOffset);
}

}  // namespace radioprog
