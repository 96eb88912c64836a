#include "RadioServer.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iostream>

#include "MemoryFile.h"

namespace radioprog {

namespace {

// Longest sleep while nothing is due, so that a stop request is never far away.
constexpr int64_t kIdleWaitMs = 100;

}  // namespace

pollfd RadioServer::PollEntry() const {
    return {fd_, static_cast<short>(POLLIN | (outbox_.empty() ? 0 : POLLOUT)), 0};
}

int64_t RadioServer::WaitLimitMs(int64_t nowMs) const {
    if (const auto due = radio_.NextReplyTime()) {
        return std::clamp<int64_t>(*due - nowMs, 0, kIdleWaitMs);
    }
    return kIdleWaitMs;
}

void RadioServer::Serve(int64_t nowMs, short revents) {
    if ((revents & (POLLHUP | POLLERR)) != 0) {
        // Only reachable if the device side was closed under us; don't spin.
        const timespec pause{0, 10L * 1000000};
        nanosleep(&pause, nullptr);
    }
    TakeToolBytes(nowMs);
    if (dieAfter_ && radio_.WriteBlockCount() >= *dieAfter_) {
        raise(SIGKILL);
    }
    std::vector<uint8_t> replies = radio_.TakeReplies(nowMs);
    outbox_.insert(outbox_.end(), replies.begin(), replies.end());
    SendOutbox();
    if (radio_.EndByteCount() != savedAtEndCount_) {
        savedAtEndCount_ = radio_.EndByteCount();
        Save();
    }
}

void RadioServer::TakeToolBytes(int64_t nowMs) {
    uint8_t buffer[512];
    ssize_t n;
    while ((n = read(fd_, buffer, sizeof buffer)) > 0) {
        radio_.Receive({buffer, static_cast<size_t>(n)}, nowMs);
    }
}

void RadioServer::SendOutbox() {
    while (!outbox_.empty()) {
        const ssize_t n = write(fd_, outbox_.data(), outbox_.size());
        if (n <= 0) {
            if (n < 0 && errno != EAGAIN && errno != EINTR) {
                outbox_.clear();  // the line is gone; a real radio's bytes would be too
            }
            return;
        }
        outbox_.erase(outbox_.begin(), outbox_.begin() + n);
    }
}

bool RadioServer::Save() {
    if (memoryFile_.empty()) {
        return true;
    }
    const FileResult saved = SaveMemoryFile(memoryFile_, radio_.Memory());
    if (!saved) {
        std::cerr << "radiosim: " << saved.message << "\n";
    }
    return saved.ok;
}

}  // namespace radioprog
