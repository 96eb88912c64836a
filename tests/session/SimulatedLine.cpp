#include "SimulatedLine.h"

#include <algorithm>

namespace radioprog::testing {

void SimulatedRadioEnd::Receive(std::span<const uint8_t> bytes, int64_t nowMs) {
    const int index = writes_++;
    if (intercept) {
        std::vector<TimedBytes> replacement = intercept(index);
        if (!replacement.empty()) {
            for (TimedBytes& part : replacement) {
                injected_.push_back({nowMs + part.timeMs, std::move(part.bytes)});
            }
            return;
        }
    }
    if (replyDelay && !bytes.empty()) {
        radio_.MutableConfig().replyDelayMs = replyDelay(bytes[0]);
    }
    radio_.Receive(bytes, nowMs);
}

std::vector<uint8_t> SimulatedRadioEnd::TakeReplies(int64_t nowMs) {
    std::vector<uint8_t> due = radio_.TakeReplies(nowMs);
    for (auto it = injected_.begin(); it != injected_.end();) {
        if (it->timeMs <= nowMs) {
            due.insert(due.end(), it->bytes.begin(), it->bytes.end());
            it = injected_.erase(it);
        } else {
            ++it;
        }
    }
    return due;
}

void ScriptedEnd::Receive(std::span<const uint8_t> bytes, int64_t nowMs) {
    for (Reply& reply : script_(bytes)) {
        pending_.push_back({nowMs + reply.delayMs, std::move(reply.bytes)});
    }
}

std::vector<uint8_t> ScriptedEnd::TakeReplies(int64_t nowMs) {
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const TimedBytes& a, const TimedBytes& b) { return a.timeMs < b.timeMs; });
    std::vector<uint8_t> due;
    auto it = pending_.begin();
    for (; it != pending_.end() && it->timeMs <= nowMs; ++it) {
        due.insert(due.end(), it->bytes.begin(), it->bytes.end());
    }
    pending_.erase(pending_.begin(), it);
    return due;
}

void SimulatedLine::AddDevice(const std::string& path, LineEnd* end) {
    devices_[path] = Device{end, false};
}

void SimulatedLine::AddBrokenDevice(const std::string& path) {
    devices_[path] = Device{nullptr, true};
}

PortResult SimulatedLine::Open(const std::string& devicePath) {
    auto it = devices_.find(devicePath);
    if (it == devices_.end()) {
        return {PortError::NoSuchDevice, "no device"};
    }
    if (it->second.broken) {
        return {PortError::InUse, "held by another program"};
    }
    open_ = devicePath;
    input_.clear();
    ++opens_;
    const auto mended = mended_.find(devicePath);
    return {PortError::None, mended == mended_.end() ? std::string() : mended->second};
}

PortResult SimulatedLine::ApplyLineSettings(const LineSettings& settings) {
    lastSettings = settings;
    return {};
}

void SimulatedLine::Pull() {
    if (open_.empty()) {
        return;
    }
    if (LineEnd* end = devices_[open_].end) {
        for (uint8_t b : end->TakeReplies(clock_())) {
            input_.push_back(b);
        }
    }
}

PortResult SimulatedLine::Purge() {
    Pull();
    input_.clear();
    return {};
}

size_t SimulatedLine::Write(std::span<const uint8_t> bytes) {
    if (open_.empty()) {
        return 0;
    }
    writes_.push_back({clock_(), open_, {bytes.begin(), bytes.end()}});
    if (LineEnd* end = devices_[open_].end) {
        end->Receive(bytes, clock_());
    }
    return bytes.size();
}

size_t SimulatedLine::BytesWaiting() {
    Pull();
    return input_.size();
}

size_t SimulatedLine::Read(std::span<uint8_t> buffer) {
    Pull();
    const size_t n = std::min(buffer.size(), input_.size());
    std::copy_n(input_.begin(), n, buffer.begin());
    input_.erase(input_.begin(), input_.begin() + static_cast<long>(n));
    return n;
}

void SimulatedLine::Close() {
    open_.clear();
    input_.clear();
}

int SimulatedLine::CountWrites(const std::string& device, std::span<const uint8_t> bytes) const {
    return static_cast<int>(WriteTimes(device, bytes).size());
}

std::vector<int64_t> SimulatedLine::WriteTimes(const std::string& device,
                                               std::span<const uint8_t> bytes) const {
    std::vector<int64_t> times;
    for (const WrittenBytes& w : writes_) {
        if (w.device == device &&
            std::equal(w.bytes.begin(), w.bytes.end(), bytes.begin(), bytes.end())) {
            times.push_back(w.timeMs);
        }
    }
    return times;
}

}  // namespace radioprog::testing
