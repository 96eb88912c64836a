#include "session/WriteVerification.h"

#include <algorithm>
#include <cstdio>

namespace radioprog {

namespace {

// The settings area begins with the date and time of the write.
bool IsWriteStamp(BlockRequest request, int offset) {
    constexpr int kStampEnd = static_cast<int>(settingsarea::kMinute) + 1;
    return request == BlockRequest::WriteCurrent &&
           offset >= static_cast<int>(radiomap::kSettingsOffset) &&
           offset < static_cast<int>(radiomap::kSettingsOffset) + kStampEnd;
}

std::string Hex(uint16_t address) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", address);
    return text;
}

}  // namespace

std::vector<WrittenBlock> WrittenBlocks(const TransferPlan& plan) {
    std::vector<WrittenBlock> blocks;
    for (const PlanStep& step : plan.steps) {
        if (step.kind != PlanStep::Kind::Blocks || IsReadRequest(step.request)) {
            continue;
        }
        for (int offset = step.first; offset < step.limit; offset += kBlockSize) {
            blocks.push_back({step.request, offset, RadioAddressOf(step.request, offset)});
        }
    }
    return blocks;
}

std::vector<uint8_t> SentBytes(const std::vector<WrittenBlock>& blocks, const SentData& sent) {
    std::vector<uint8_t> bytes;
    for (const WrittenBlock& block : blocks) {
        const std::span<const uint8_t> source =
            SendsCalibrationImage(block.request) ? std::span<const uint8_t>(sent.calibration.bytes)
                                                 : std::span<const uint8_t>(sent.memory.bytes);
        const auto block16 = source.subspan(static_cast<size_t>(block.offset), kBlockSize);
        bytes.insert(bytes.end(), block16.begin(), block16.end());
    }
    return bytes;
}

std::vector<uint16_t> DifferingAddresses(const std::vector<WrittenBlock>& blocks,
                                         const SentData& sent, const RadioMemory* dataReadBack,
                                         const RadioMemory* calibrationReadBack) {
    std::vector<uint16_t> differing;
    for (const WrittenBlock& block : blocks) {
        const bool calibration = SendsCalibrationImage(block.request);
        const RadioMemory* readBack = calibration ? calibrationReadBack : dataReadBack;
        if (readBack == nullptr) {
            continue;
        }
        for (int i = 0; i < kBlockSize; ++i) {
            const int offset = block.offset + i;
            if (IsWriteStamp(block.request, offset)) {
                continue;
            }
            const auto at = static_cast<size_t>(offset);
            const uint8_t sentByte =
                calibration ? sent.calibration.bytes.at(at) : sent.memory.bytes.at(at);
            if (readBack->bytes.at(at) != sentByte) {
                differing.push_back(static_cast<uint16_t>(block.address + i));
            }
        }
    }
    std::sort(differing.begin(), differing.end());
    differing.erase(std::unique(differing.begin(), differing.end()), differing.end());
    return differing;
}

RadioMemory ExpectedMemory(const std::vector<WrittenBlock>& blocks, const SentData& sent,
                           const RadioMemory& dataReadBack) {
    RadioMemory expected = dataReadBack;
    for (const WrittenBlock& block : blocks) {
        if (SendsCalibrationImage(block.request)) {
            continue;
        }
        const auto from = sent.memory.bytes.begin() + block.offset;
        std::copy(from, from + kBlockSize, expected.bytes.begin() + block.offset);
    }
    return expected;
}

MemoryPlace PlaceOfAddress(uint16_t address, bool legacyRadio) {
    using Kind = MemoryPlace::Kind;
    if (legacyRadio) {
        const size_t first = radiomap::LegacyChannelOffset(1);
        const size_t end = radiomap::LegacyChannelOffset(17);
        if (address >= first && address < end) {
            return {Kind::Channel, static_cast<int>(address / radiomap::kLegacyChannelRecordSize)};
        }
        return {Kind::Settings, 0};
    }
    if (address >= radiomap::kCalibrationAddress) {
        return {Kind::Calibration, 0};
    }
    if (address >= radiomap::kChannelAddress) {
        return {Kind::Channel,
                static_cast<int>(
                    (address - radiomap::kChannelAddress) / radiomap::kChannelRecordSize + 1)};
    }
    if (address >= radiomap::kPasswordAddress) {
        return {Kind::Password, 0};
    }
    return {Kind::Settings, 0};
}

std::string PlaceText(const MemoryPlace& place) {
    switch (place.kind) {
        case MemoryPlace::Kind::Channel:
            return "channel " + std::to_string(place.channel);
        case MemoryPlace::Kind::Password:
            return "password";
        case MemoryPlace::Kind::Calibration:
            return "calibration block";
        case MemoryPlace::Kind::Settings:
            break;
    }
    return "settings";
}

std::vector<MemoryPlace> PlacesOf(const std::vector<uint16_t>& addresses, bool legacyRadio) {
    std::vector<MemoryPlace> places;
    for (const uint16_t address : addresses) {
        const MemoryPlace place = PlaceOfAddress(address, legacyRadio);
        if (std::find(places.begin(), places.end(), place) == places.end()) {
            places.push_back(place);
        }
    }
    return places;
}

std::string AddressRanges(const std::vector<uint16_t>& addresses) {
    std::string text;
    for (size_t i = 0; i < addresses.size();) {
        size_t last = i;
        while (last + 1 < addresses.size() && addresses[last + 1] == addresses[last] + 1) {
            ++last;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += Hex(addresses[i]);
        if (last > i) {
            text += "-";
            text += Hex(addresses[last]);
        }
        i = last + 1;
    }
    return text;
}

}  // namespace radioprog
