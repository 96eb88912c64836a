#include "model/MovedValues.h"

#include <algorithm>
#include <utility>

namespace radioprog {

namespace {

bool HoldsStoredValue(const ProjectImage& image, const MovedValue& mark) {
    if (mark.channel < 1 || mark.channel > kChannelCount || !image.IsChannelValid(mark.channel)) {
        return false;
    }
    const ConstChannelRecord channel = image.Channel(mark.channel);
    const uint32_t held = mark.field == MovedField::RxFreq ? channel.RxFreq() : channel.TxFreq();
    return held == mark.stored;
}

}  // namespace

void MovedValues::Mark(int channel, MovedField field, std::string typed, uint32_t stored) {
    Clear(channel, field);
    marks_.push_back({channel, field, std::move(typed), stored});
}

void MovedValues::Clear(int channel, MovedField field) {
    std::erase_if(marks_, [&](const MovedValue& mark) {
        return mark.channel == channel && mark.field == field;
    });
}

void MovedValues::FollowMove(int channel, int step) {
    for (MovedValue& mark : marks_) {
        if (mark.channel == channel) {
            mark.channel = channel + step;
        } else if (mark.channel == channel + step) {
            mark.channel = channel;
        }
    }
}

std::vector<MovedValue> MovedValues::InForce(const ProjectImage& image) const {
    std::vector<MovedValue> held;
    std::ranges::copy_if(marks_, std::back_inserter(held),
                         [&](const MovedValue& mark) { return HoldsStoredValue(image, mark); });
    std::ranges::sort(held, [](const MovedValue& a, const MovedValue& b) {
        return std::pair(a.channel, a.field) < std::pair(b.channel, b.field);
    });
    return held;
}

const MovedValue* MovedValues::Find(const ProjectImage& image, int channel,
                                    MovedField field) const {
    const auto found = std::ranges::find_if(marks_, [&](const MovedValue& mark) {
        return mark.channel == channel && mark.field == field;
    });
    return found != marks_.end() && HoldsStoredValue(image, *found) ? &*found : nullptr;
}

}  // namespace radioprog
