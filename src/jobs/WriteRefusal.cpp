#include "jobs/WriteRefusal.h"

#include <cstdio>

#include "calibration/CalibrationRanges.h"
#include "lang/WriteRefusalText.h"
#include "model/RadioRanges.h"

namespace radioprog {

namespace {

// A box or a terminal line stays readable: the rest is more of the same record.
constexpr size_t kValuesNamed = 6;

bool SendsProject(const JobOrder& order) {
    return !order.read &&
           (order.mode == SessionMode::Data || order.mode == SessionMode::CalibrationAndData);
}

bool SendsCalibration(const JobOrder& order) {
    return !order.read && (order.mode == SessionMode::Calibration ||
                           order.mode == SessionMode::CalibrationAndData);
}

std::string WithValue(const THaldenFuncs::TAppLang& lang, WriteRefusalTextId id,
                      const std::string& value) {
    std::string text = WriteRefusalTextUtf8(lang, id);
    if (const size_t at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, value);
    }
    return text;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (size_t k = 0; k < items.size() && k < kValuesNamed; ++k) {
        text += (k == 0 ? "" : ", ") + items[k];
    }
    if (items.size() > kValuesNamed) {
        text += ", ... (" + std::to_string(items.size()) + ")";
    }
    return text;
}

std::string HexByte(uint8_t b) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(b));
    return text;
}

}  // namespace

std::optional<WriteRefusal> RefuseWrite(const JobOrder& order, const SessionState& state) {
    if (!SendsProject(order)) {
        return std::nullopt;
    }
    if (!IsBandTheRadioAccepts(state.band)) {
        WriteRefusal refusal;
        refusal.band = state.band;
        return refusal;
    }
    if (std::vector<int> channels = ChannelsTheRadioCannotHold(state.image); !channels.empty()) {
        WriteRefusal refusal;
        refusal.kind = WriteRefusal::Kind::Channels;
        refusal.channels = std::move(channels);
        return refusal;
    }
    return std::nullopt;
}

std::optional<WriteRefusal> DoubtCalibration(const JobOrder& order, const SessionState& state) {
    if (!SendsCalibration(order)) {
        return std::nullopt;
    }
    WriteRefusal refusal;
    refusal.kind = WriteRefusal::Kind::Calibration;
    refusal.singleByte = SingleByteValue(state.calibration);
    for (const OutOfRangeValue& value : OutOfRangeValues(state.calibration)) {
        refusal.outOfRange.push_back(DescribeOutOfRange(value));
    }
    if (!refusal.singleByte && refusal.outOfRange.empty()) {
        return std::nullopt;
    }
    return refusal;
}

std::string WriteRefusalTextUtf8(const THaldenFuncs::TAppLang& lang, const WriteRefusal& refusal) {
    switch (refusal.kind) {
        case WriteRefusal::Kind::Band:
            return WithValue(lang, WriteRefusalTextId::BandRefused, BandText(refusal.band));
        case WriteRefusal::Kind::Channels: {
            std::vector<std::string> numbers;
            for (const int n : refusal.channels) {
                numbers.push_back(std::to_string(n));
            }
            return WithValue(lang, WriteRefusalTextId::ChannelsRefused, Joined(numbers));
        }
        case WriteRefusal::Kind::Calibration:
            break;
    }
    if (refusal.singleByte) {
        return WithValue(lang, WriteRefusalTextId::CalibrationOneByte,
                         HexByte(*refusal.singleByte));
    }
    return WithValue(lang, WriteRefusalTextId::CalibrationRefused, Joined(refusal.outOfRange));
}

}  // namespace radioprog
