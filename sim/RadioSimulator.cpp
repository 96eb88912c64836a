#include "RadioSimulator.h"

#include <algorithm>
#include <random>

#include "RadioPasswordBlock.h"

namespace radioprog {

namespace {

constexpr std::string_view kHandshake = "PROGRAM";
constexpr std::string_view kStatusQuery = "YR";
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kLegacyIdentify = 0x02;
constexpr uint8_t kReadRequest = 'R';
constexpr uint8_t kWriteRequest = 'W';
constexpr uint8_t kEndByte = 'E';
constexpr size_t kBlockHeaderSize = 4;  // command, address high, address low, length
constexpr std::array<uint8_t, 8> kLegacyIdentification = {'K', '7', '0', '4', '1', '5', 0xF8, 0xFF};

constexpr int kBitsPerByte = 10;  // start, 8 data, stop
constexpr int kBaudRate = 9600;

bool StartsLike(std::span<const uint8_t> pending, std::string_view literal) {
    if (pending.size() > literal.size()) {
        return false;
    }
    return std::equal(pending.begin(), pending.end(), literal.begin(),
                      [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); });
}

int64_t LineTimeMs(size_t byteCount) {
    const int64_t bits = static_cast<int64_t>(byteCount) * kBitsPerByte;
    return (bits * 1000 + kBaudRate - 1) / kBaudRate;
}

void ApplyByteFaults(const SimulatorFaults& faults, std::vector<uint8_t>& reply) {
    if (faults.firstByte && !reply.empty()) {
        reply[0] = *faults.firstByte;
    }
    if (faults.dropByte && *faults.dropByte >= 0 &&
        static_cast<size_t>(*faults.dropByte) < reply.size()) {
        reply.erase(reply.begin() + *faults.dropByte);
    }
    if (faults.extraByte && *faults.extraByte >= 0) {
        size_t at = std::min(static_cast<size_t>(*faults.extraByte), reply.size());
        reply.insert(reply.begin() + static_cast<std::ptrdiff_t>(at), 0x00);
    }
}

// Whether the block of length bytes at address covers target; blocks wrap at the top of memory.
bool Covers(uint16_t address, size_t length, uint16_t target) {
    return static_cast<size_t>(static_cast<uint16_t>(target - address)) < length;
}

bool WriteIsDropped(const SimulatorFaults& faults, uint16_t address, size_t length) {
    return std::any_of(faults.dropWrites.begin(), faults.dropWrites.end(),
                       [&](uint16_t target) { return Covers(address, length, target); });
}

}  // namespace

RadioSimulator::RadioSimulator(SimulatorConfig config)
    : config_(std::move(config)), memory_(DefaultRadioMemory(config_.kind)) {
    SetPassword(config_.password);
}

void RadioSimulator::LoadMemory(std::span<const uint8_t> bytes) {
    const size_t count = std::min(bytes.size(), memory_.size());
    std::copy_n(bytes.begin(), count, memory_.begin());
}

void RadioSimulator::SetPassword(std::string_view password) {
    config_.password = std::string(password);
    auto target = memory_.begin() + kPasswordBlockAddress;
    if (password.empty()) {
        std::fill_n(target, kRadioPasswordBlockSize, 0xFF);
        return;
    }
    std::random_device entropy;
    std::mt19937 random(entropy());
    std::uniform_int_distribution<int> byte(0, 255);
    RadioPasswordBytes noise{};
    for (uint8_t& b : noise) {
        b = static_cast<uint8_t>(byte(random));
    }
    const RadioPasswordBytes block = RadioPasswordBlock(password, noise);
    std::copy(block.begin(), block.end(), target);
}

void RadioSimulator::Receive(std::span<const uint8_t> bytes, int64_t nowMs) {
    for (uint8_t byte : bytes) {
        TakeByte(byte, nowMs);
    }
}

void RadioSimulator::TakeByte(uint8_t byte, int64_t nowMs) {
    if (!pending_.empty() && nowMs - lastByteMs_ >= kPartialRequestTimeoutMs) {
        Discard(pending_.size());
    }
    lastByteMs_ = nowMs;
    pending_.push_back(byte);
    // Resynchronise on the first byte that can start a request in this state.
    while (!pending_.empty() && !PendingIsPrefixOfValidRequest()) {
        Discard(1);
    }
    if (!pending_.empty() && pending_.size() == RequestLength()) {
        Complete(nowMs);
    }
}

void RadioSimulator::Discard(size_t count) {
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(count));
    discardedBytes_ += count;
}

size_t RadioSimulator::RequestLength() const {
    switch (pending_[0]) {
        case 'P':
            return kHandshake.size();
        case 'Y':
            return kStatusQuery.size();
        case kEndByte:
        case kLegacyIdentify:
        case kAck:
            return 1;
        case kReadRequest:
            return kBlockHeaderSize;
        case kWriteRequest:
            return pending_.size() < kBlockHeaderSize ? kBlockHeaderSize
                                                      : kBlockHeaderSize + pending_[3];
        default:
            return 0;
    }
}

bool RadioSimulator::PendingIsPrefixOfValidRequest() const {
    const bool legacy = config_.kind == RadioKind::Legacy;
    switch (pending_[0]) {
        case 'P':
            return StartsLike(pending_, kHandshake);
        case 'Y':
            return !legacy && StartsLike(pending_, kStatusQuery);
        case kEndByte:
            return true;
        case kLegacyIdentify:
            return state_ == State::LegacyAwaitIdentify;
        case kAck:
            return state_ == State::LegacyAwaitConfirm || (legacy && state_ == State::Programming);
        case kReadRequest:
        case kWriteRequest:
            return state_ == State::Programming;
        default:
            return false;
    }
}

void RadioSimulator::Complete(int64_t nowMs) {
    std::vector<uint8_t> request;
    request.swap(pending_);
    ReceivedRequest received;
    received.timeMs = nowMs;
    std::vector<uint8_t> reply;
    switch (request[0]) {
        case 'P':
            received.kind = RequestKind::Handshake;
            switch (config_.kind) {
                case RadioKind::S:
                    reply = {'S'};
                    break;
                case RadioKind::Y:
                    reply = {'Y'};
                    break;
                case RadioKind::Legacy:
                    reply = {kAck};
                    break;
            }
            state_ =
                config_.kind == RadioKind::Legacy ? State::LegacyAwaitIdentify : State::Programming;
            break;
        case 'Y':
            received.kind = RequestKind::StatusQuery;
            reply = {'Y', 'S'};
            reply.insert(reply.end(), config_.status.begin(), config_.status.end());
            break;
        case kEndByte:
            received.kind = RequestKind::End;
            ++endByteCount_;
            state_ = State::Idle;
            break;
        case kLegacyIdentify:
            received.kind = RequestKind::LegacyIdentify;
            reply.assign(kLegacyIdentification.begin(), kLegacyIdentification.end());
            state_ = State::LegacyAwaitConfirm;
            break;
        case kAck:
            received.kind = RequestKind::Ack;
            reply = {kAck};
            state_ = State::Programming;
            break;
        case kReadRequest:
        case kWriteRequest: {
            received.address = static_cast<uint16_t>(request[1] << 8 | request[2]);
            received.length = request[3];
            if (request[0] == kReadRequest) {
                received.kind = RequestKind::Read;
                reply.assign(request.begin(), request.end());
                reply[0] = kWriteRequest;
                for (size_t i = 0; i < received.length; ++i) {
                    reply.push_back(memory_[(received.address + i) % kRadioAddressSpace]);
                }
            } else {
                received.kind = RequestKind::Write;
                ++writeBlockCount_;
                received.data.assign(request.begin() + kBlockHeaderSize, request.end());
                received.stored =
                    !WriteIsDropped(config_.faults, received.address, received.data.size());
                for (size_t i = 0; received.stored && i < received.data.size(); ++i) {
                    memory_[(received.address + i) % kRadioAddressSpace] = received.data[i];
                }
                reply = {kAck};
            }
            break;
        }
    }
    ++requestCount_;
    ReceivedRequest* kept = &received;
    if (config_.logRequests) {
        requests_.push_back(std::move(received));
        kept = &requests_.back();
    }
    if (!reply.empty()) {
        Answer(*kept, std::move(reply), request.size(), nowMs);
    }
}

void RadioSimulator::Answer(ReceivedRequest& request, std::vector<uint8_t> reply,
                            size_t requestBytes, int64_t nowMs) {
    const SimulatorFaults& faults = config_.faults;
    const int index = static_cast<int>(requestCount_) - 1;
    if (faults.silent || (faults.silentAfter && index >= *faults.silentAfter)) {
        return;
    }
    if (index >= faults.faultsFromRequest) {
        ApplyByteFaults(faults, reply);
    }
    int64_t due = nowMs + config_.replyDelayMs;
    if (config_.pace) {
        due += LineTimeMs(requestBytes + reply.size());
    }
    bool heldBack = false;
    if (!answeredBefore_) {
        answeredBefore_ = true;
        due += config_.firstReplyDelayMs;
        heldBack = config_.firstReplyDelayMs > 0;
    }
    // Replies leave in the order their requests came. A radio that has just woken up takes
    // the requests that waited one at a time, so their answers never leave in one burst.
    if (!replies_.empty()) {
        const PendingReply& before = replies_.back();
        if (before.heldBack) {
            due = std::max(due, before.dueMs + LineTimeMs(requestBytes + reply.size()));
            heldBack = true;
        } else {
            due = std::max(due, before.dueMs);
        }
    }
    replies_.push_back({due, std::move(reply), heldBack});
    request.answered = true;
}

std::vector<uint8_t> RadioSimulator::TakeReplies(int64_t nowMs) {
    std::vector<uint8_t> out;
    auto firstNotDue = std::find_if(replies_.begin(), replies_.end(),
                                    [nowMs](const PendingReply& r) { return r.dueMs > nowMs; });
    for (auto it = replies_.begin(); it != firstNotDue; ++it) {
        out.insert(out.end(), it->bytes.begin(), it->bytes.end());
    }
    replies_.erase(replies_.begin(), firstNotDue);
    return out;
}

std::optional<int64_t> RadioSimulator::NextReplyTime() const {
    if (replies_.empty()) {
        return std::nullopt;
    }
    return replies_.front().dueMs;
}

}  // namespace radioprog
