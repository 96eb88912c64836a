// Copies of an answer already taken. A radio that answers after the one-second repeat (still
// waking up, behind a slow adapter, on a loaded machine) answers the repeat as well; the
// first answer is taken and the session moves on, so each copy would land in front of the
// next reply and fail it. The session steps over as many copies as it sent repeats, and only
// copies of what it took: the handshake's answer byte (until the legacy identification or
// the first job block has been answered) and the data reply naming the address just read.
// Anything else meets the reply rules as before.

#include <algorithm>

#include "session/ProgramSession.h"
#include "session/SessionRequests.h"

namespace radioprog {

void ProgramSession::NoteAnswersStillOwed() {
    const int repeats = std::max(sendsOfRequest_ - 1, 0);
    sendsOfRequest_ = 0;
    owedDataReplies_ = 0;
    switch (lastRequest_) {
        case SentRequest::Handshake: {
            handshakeAnswer_ = RxBuffer[0];
            // Copies that came in the same poll as the answer are dropped with it.
            const auto alreadyHere =
                std::count(RxBuffer.begin() + 1, RxBuffer.begin() + static_cast<long>(RxCount),
                           handshakeAnswer_);
            owedHandshakeAnswers_ = std::max(repeats - static_cast<int>(alreadyHere), 0);
            break;
        }
        case SentRequest::Read:
            owedDataReplies_ = repeats;
            owedDataAddress_ = expectedReplyAddress_;
            break;
        case SentRequest::Other:
            break;
    }
}

bool ProgramSession::DropAnswersStillOwed() {
    constexpr size_t kDataReplyLength = protocol::kBlockHeaderLength + kBlockSize;
    size_t dropped = 0;
    bool whole = true;
    while (dropped < RxCount) {
        const std::span<const uint8_t> rest(RxBuffer.data() + dropped, RxCount - dropped);
        if (owedHandshakeAnswers_ > 0 && rest[0] == handshakeAnswer_) {
            --owedHandshakeAnswers_;
            dropped += 1;
            continue;
        }
        if (owedDataReplies_ == 0 || rest[0] != protocol::kDataCommand) {
            break;
        }
        // A data reply's address tells a copy from a fresh reply; until it is in, wait, even
        // where a one-byte acknowledgement is due.
        if (rest.size() < protocol::kBlockHeaderLength - 1) {
            whole = false;
            break;
        }
        if (protocol::BlockAddress(rest) != owedDataAddress_) {
            break;
        }
        if (rest.size() < kDataReplyLength) {
            whole = false;
            break;
        }
        --owedDataReplies_;
        dropped += kDataReplyLength;
    }
    if (dropped > 0) {
        std::copy(RxBuffer.begin() + static_cast<long>(dropped),
                  RxBuffer.begin() + static_cast<long>(RxCount), RxBuffer.begin());
        RxCount -= dropped;
    }
    return whole;
}

}  // namespace radioprog
