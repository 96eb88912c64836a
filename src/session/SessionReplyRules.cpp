// What the session accepts from the radio at each stage. A reply is matched from the start
// of RxBuffer by its length and first byte; too few bytes mean "look again at the next poll".

#include <algorithm>

#include "session/PasswordBlock.h"
#include "session/ProgramSession.h"
#include "session/SessionRequests.h"

namespace radioprog {

void ProgramSession::ApplyReplyRules() {
    if (!DropAnswersStillOwed()) {
        return;
    }
    switch (SessionStage_) {
        case Stage::Handshake:
            if (SessionMode == SessionMode::ChipStatus) {
                StatusReply();
            } else {
                HandshakeReply();
            }
            break;
        case Stage::LegacyIdentification:
            LegacyIdentificationReply();
            break;
        case Stage::LegacyConfirm:
            LegacyConfirmReply();
            break;
        case Stage::PasswordArea:
            PasswordAreaReply();
            break;
        case Stage::JobBlocks:
            BlockReply();
            break;
        case Stage::LegacyBlockAck:
            LegacyBlockAckReply();
            break;
    }
}

void ProgramSession::AcceptReply() {
    NoteAnswersStillOwed();
    host_.StartTimer(SessionTimer::TimeOut, kTimeOutMs);
    Timer_TxTimer();
    RxCount = 0;
}

void ProgramSession::HandshakeReply() {
    if (RxCount < 1) {
        return;
    }
    switch (RxBuffer[0]) {
        case protocol::kAnswerS:
        case protocol::kAnswerY:
            LegacyRadio_ = false;
            data_.VariantY = RxBuffer[0] == protocol::kAnswerY;
            SessionStage_ = Stage::PasswordArea;
            break;
        case protocol::kAck:
            LegacyRadio_ = true;
            if (SessionMode != SessionMode::Data) {
                Finish(SessionOutcome::OldVersion, SessionMessage::OldVersion);
                return;
            }
            SessionStage_ = Stage::LegacyIdentification;
            break;
        default:
            if (choice_.autoSearchPort) {
                // Not our radio: the next tick moves on to the next port at once.
                handshakeAttempts_ = kHandshakesPerPort;
                RxCount = 0;
                Timer_TxTimer();
            } else {
                Timer_TimeOutTrigger();
            }
            return;
    }
    host_.AdvanceProgress(1);
    StepIndex = 0;
    BlockOffset = 0;
    AcceptReply();
}

void ProgramSession::StatusReply() {
    if (RxCount < protocol::kStatusReplyStart.size()) {
        return;
    }
    if (!std::equal(protocol::kStatusReplyStart.begin(), protocol::kStatusReplyStart.end(),
                    RxBuffer.begin())) {
        // Something else on the line: forget it; the query is repeated every second.
        RxCount = 0;
        return;
    }
    if (RxCount < protocol::kStatusReplyLength) {
        return;
    }
    std::copy_n(RxBuffer.begin() + protocol::kStatusReplyStart.size(), chipstatus::kSize,
                data_.radioMemory.bytes.begin());
    host_.StartTimer(SessionTimer::TimeOut, kTimeOutMs);
    FinishChipStatus();
}

void ProgramSession::LegacyIdentificationReply() {
    if (RxCount < protocol::kLegacyIdentification.size()) {
        return;
    }
    if (!std::equal(protocol::kLegacyIdentification.begin(), protocol::kLegacyIdentification.end(),
                    RxBuffer.begin())) {
        Timer_TimeOutTrigger();
        return;
    }
    // Copies of the handshake answer come before this reply or not at all; from here on
    // an ACK is the answer to the confirm.
    owedHandshakeAnswers_ = 0;
    SessionStage_ = Stage::LegacyConfirm;
    AcceptReply();
}

void ProgramSession::LegacyConfirmReply() {
    if (RxCount < 1) {
        return;
    }
    if (RxBuffer[0] != protocol::kAck) {
        Timer_TimeOutTrigger();
        return;
    }
    host_.SetProgress(2);
    if (LegacyRadio_) {
        EnterJobStage();
    } else {
        SessionStage_ = Stage::PasswordArea;
    }
    AcceptReply();
}

bool ProgramSession::TakeDataReply() {
    if (RxBuffer[0] != protocol::kDataCommand) {
        Timer_TimeOutTrigger();
        return false;
    }
    if (IsStaleDataReply()) {
        // The late answer to a request already repeated; the fresh one follows.
        RxCount = 0;
        return false;
    }
    StoreDataReply();
    return true;
}

bool ProgramSession::IsStaleDataReply() const {
    return protocol::BlockAddress(RxBuffer) != expectedReplyAddress_;
}

void ProgramSession::StoreDataReply() {
    const size_t length = std::min<size_t>(RxBuffer[3], kBlockSize);
    auto& memory = data_.radioMemory.bytes;
    const size_t offset = static_cast<size_t>(BlockOffset);
    if (offset + length <= memory.size()) {
        std::copy_n(RxBuffer.begin() + protocol::kBlockHeaderLength, length,
                    memory.begin() + static_cast<long>(offset));
    }
    BlockOffset += kBlockSize;
}

void ProgramSession::PasswordAreaReply() {
    if (RxCount < protocol::kBlockHeaderLength + kBlockSize) {
        return;
    }
    if (!TakeDataReply()) {
        return;
    }
    if (BlockOffset < static_cast<int32_t>(radiomap::kPasswordAreaSize)) {
        AcceptReply();
        return;
    }
    const std::span<const uint8_t, kPasswordBlockSize> block(data_.radioMemory.bytes.data(),
                                                             kPasswordBlockSize);
    if (!CheckPasswordBlock(block, data_.image.Text(image::UnlockPassword))) {
        Agr_PasswordError();
        return;
    }
    EnterJobStage();
    AcceptReply();
}

void ProgramSession::EnterJobStage() {
    StepIndex = 0;
    BlockOffset = 0;
    ProgressBytes = 0;
    TransferIsRead = ReadRequested;
    SessionStage_ = Stage::JobBlocks;
    plan_ = PlanFor({SessionMode, ReadRequested, LegacyRadio_,
                     WritesNewPasswordWithData(data_.image, SessionMode)});
}

void ProgramSession::BlockReply() {
    if (RxCount == 0 || RxCount != ExpectedReplyLength) {
        // Short: wait. Long: never matches; the next tick repeats with an empty buffer.
        return;
    }
    if (TransferIsRead) {
        if (!TakeDataReply()) {
            return;
        }
        ProgressBytes += kBlockSize;
        if (LegacyRadio_) {
            SessionStage_ = Stage::LegacyBlockAck;
        }
    } else {
        if (RxBuffer[0] != protocol::kAck) {
            Timer_TimeOutTrigger();
            return;
        }
        BlockOffset += kBlockSize;
        ProgressBytes += kBlockSize;
    }
    // Copies of the handshake answer can only have come before the first block's reply.
    owedHandshakeAnswers_ = 0;
    AcceptReply();
}

void ProgramSession::LegacyBlockAckReply() {
    if (RxCount != 1) {
        return;
    }
    if (RxBuffer[0] != protocol::kAck) {
        Timer_TimeOutTrigger();
        return;
    }
    SessionStage_ = Stage::JobBlocks;
    AcceptReply();
}

}  // namespace radioprog
