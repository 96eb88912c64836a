#include "multijob/HeldLine.h"

#include <algorithm>

namespace radioprog {

void HeldLine::HoldUntil(int64_t until) {
    until_ = held_ ? std::max(until_, until) : until;
    held_ = true;
}

void HeldLine::Release() {
    held_ = false;
    std::vector<Deferred> steps;
    steps.swap(deferred_);
    for (const Deferred& deferred : steps) {
        switch (deferred.step) {
            case Step::Purge:
                line_.Purge();
                break;
            case Step::PurgeInput:
                line_.PurgeInput();
                break;
            case Step::Write:
                line_.Write(deferred.bytes);
                break;
        }
    }
}

PortResult HeldLine::Purge() {
    if (!held_) {
        return line_.Purge();
    }
    // Whatever the job wrote before this purge would have been thrown away with it.
    deferred_.clear();
    deferred_.push_back({Step::Purge, {}});
    return {};
}

PortResult HeldLine::PurgeInput() {
    if (!held_) {
        return line_.PurgeInput();
    }
    deferred_.push_back({Step::PurgeInput, {}});
    return {};
}

size_t HeldLine::Write(std::span<const uint8_t> bytes) {
    if (!held_) {
        return line_.Write(bytes);
    }
    deferred_.push_back({Step::Write, {bytes.begin(), bytes.end()}});
    return bytes.size();
}

void HeldLine::Close() {
    held_ = false;
    deferred_.clear();
    line_.Close();
}

}  // namespace radioprog
