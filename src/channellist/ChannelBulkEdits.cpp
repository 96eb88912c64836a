#include "channellist/ChannelBulkEdits.h"

#include <algorithm>
#include <utility>

#include "model/FreqCodec.h"

namespace radioprog {

namespace {

// The whole image: a target's name lies outside its record.
std::vector<uint8_t> Snapshot(const ProjectImage& image) {
    const auto raw = image.Raw();
    return {raw.begin(), raw.end()};
}

void CopyField(const ConstChannelRecord& from, ChannelRecord& to, ChannelColumn field) {
    switch (field) {
        case ChannelColumn::RxFreq:
            return to.SetRxFreq(from.RxFreq());
        case ChannelColumn::TxFreq:
            return to.SetTxFreq(from.TxFreq());
        case ChannelColumn::RxTone: {
            const uint8_t typeBefore = to.RxToneType();
            to.SetRxTone(from.RxToneType(), from.RxToneCode());
            return to.FollowReceiveTone(typeBefore);
        }
        case ChannelColumn::TxTone:
            return to.SetTxTone(from.TxToneType(), from.TxToneCode());
        default:
            return SetWordValue(to, field, WordValue(from, field));
    }
}

bool IsValidChannel(int channel) {
    return channel >= 1 && channel <= kChannelCount;
}

}  // namespace

std::vector<int> CopyChannelField(ProjectImage& image, int source, std::span<const int> targets,
                                  ChannelColumn field) {
    std::vector<int> changed;
    if (!IsValidChannel(source) || !image.IsChannelValid(source) ||
        field == ChannelColumn::Number) {
        return changed;
    }
    for (const int target : targets) {
        if (!IsValidChannel(target) || target == source) {
            continue;
        }
        const std::vector<uint8_t> before = Snapshot(image);
        const ConstChannelRecord from = std::as_const(image).Channel(source);
        ChannelRecord to = image.Channel(target);
        if (!image.IsChannelValid(target)) {
            if (field != ChannelColumn::RxFreq) {
                continue;
            }
            to.InitialiseNew(from.RxFreq());
            image.SetChannelValid(target, true);
        } else if (field == ChannelColumn::Name) {
            image.SetText(ChannelNameField(target), image.Text(ChannelNameField(source)));
        } else {
            CopyField(from, to, field);
        }
        if (Snapshot(image) != before) {
            changed.push_back(target);
        }
    }
    return changed;
}

std::vector<int> FillDown(ProjectImage& image, std::span<const int> channels, ChannelColumn field) {
    if (channels.empty()) {
        return {};
    }
    const int first = *std::ranges::min_element(channels);
    return CopyChannelField(image, first, channels, field);
}

std::optional<DuplexEntry> ParseDuplexOffset(std::string_view text) {
    text = TrimmedCell(text);
    DuplexShift shift = DuplexShift::Simplex;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        shift = text.front() == '+' ? DuplexShift::Plus : DuplexShift::Minus;
        text = TrimmedCell(text.substr(1));
    }
    const std::optional<uint32_t> hz = TextToFreq(text);
    if (!hz || (*hz != 0 && shift == DuplexShift::Simplex)) {
        return std::nullopt;
    }
    return DuplexEntry{*hz == 0 ? DuplexShift::Simplex : shift, *hz};
}

std::optional<DuplexRefusal> SetDuplexOffset(ProjectImage& image, std::span<const int> channels,
                                             DuplexShift shift, uint32_t offsetHz,
                                             const BandLimits& band) {
    const int64_t signedOffset = shift == DuplexShift::Simplex ? 0
                                 : shift == DuplexShift::Plus  ? int64_t{offsetHz}
                                                               : -int64_t{offsetHz};
    std::vector<std::pair<int, uint32_t>> results;
    std::vector<int> ordered(channels.begin(), channels.end());
    std::ranges::sort(ordered);
    for (const int channel : ordered) {
        if (!IsValidChannel(channel) || !image.IsChannelValid(channel)) {
            continue;
        }
        const int64_t tx = int64_t{image.Channel(channel).RxFreq()} + signedOffset;
        if (tx < band.lower || tx > band.upper) {
            return DuplexRefusal{DuplexRefusal::Why::OutsideBand, channel, tx};
        }
        const auto hz = static_cast<uint32_t>(tx);
        if (SnapToBand(hz, band) != hz) {
            return DuplexRefusal{DuplexRefusal::Why::OffRaster, channel, tx};
        }
        results.emplace_back(channel, hz);
    }
    if (results.empty()) {
        return DuplexRefusal{};
    }
    for (const auto& [channel, hz] : results) {
        image.Channel(channel).SetTxFreq(hz);
    }
    return std::nullopt;
}

}  // namespace radioprog
