// The session's life: start, port opening and auto search, the transmit tick, the silence
// limit and the four ways it ends. Reply rules and the job routine have files of their own.

#include "session/ProgramSession.h"

#include "port/LineSettings.h"
#include "session/SessionRequests.h"

namespace radioprog {

ProgramSession::ProgramSession(SessionState& state, PortChoice& choice, SerialPort& port,
                               SessionHost& host, PortProbe probe)
    : data_(state), choice_(choice), port_(port), host_(host), probe_(std::move(probe)) {
    host_.StopTimer(SessionTimer::Tx);
    host_.StopTimer(SessionTimer::Rx);
    host_.StopTimer(SessionTimer::TimeOut);
}

void ProgramSession::ProgramStartClick() {
    if (IsRunning()) {
        return;
    }
    outcome_ = SessionOutcome::Running;
    portFailure_ = {};
    probe_(choice_);

    bool opened = false;
    if (!choice_.autoSearchPort) {
        opened = ComInit(choice_.portNumber);
    } else {
        portIndex_ = 0;
        if (choice_.portList.Empty()) {
            portFailure_ = {PortError::NoSuchDevice,
                            "No serial port COM1 to COM9 is present or free."};
        }
        opened = !choice_.portList.Empty() && ComInit_AutoSeach();
    }
    if (!opened) {
        Timer_TimeOutTrigger();
        return;
    }

    host_.StopTimer(SessionTimer::Tx);
    host_.StopTimer(SessionTimer::Rx);
    host_.StopTimer(SessionTimer::TimeOut);
    host_.Pause(kPortSettleMs);
    port_.Purge();

    RxCount = 0;
    StepIndex = 0;
    BlockOffset = 0;
    SessionStage_ = Stage::Handshake;
    ProgressBytes = 0;
    handshakeAttempts_ = 0;
    sendsOfRequest_ = 0;
    owedHandshakeAnswers_ = 0;
    owedDataReplies_ = 0;
    host_.SetProgress(0);
    data_.VariantY = false;
    LegacyRadio_ = false;
    plan_ = {};

    host_.StartTimer(SessionTimer::TimeOut, kTimeOutMs);
    host_.StartTimer(SessionTimer::Rx, kRxFirstIntervalMs);
    host_.StartTimer(SessionTimer::Tx, kTxIntervalMs);
    Timer_TxTimer();
}

int ProgramSession::PortNumberInUse() const {
    const PortList& list = choice_.portList;
    if (choice_.autoSearchPort && portIndex_ < list.Count()) {
        return list[portIndex_];
    }
    return choice_.portNumber;
}

RadioKind ProgramSession::Kind() const {
    if (LegacyRadio_) {
        return RadioKind::Legacy;
    }
    return data_.VariantY ? RadioKind::Y : RadioKind::S;
}

std::optional<RadioKind> ProgramSession::RadioMet() const {
    if (SessionStage_ == Stage::Handshake && outcome_ != SessionOutcome::Success) {
        return std::nullopt;  // no handshake was answered
    }
    return Kind();
}

bool ProgramSession::OpenAndConfigure(int portNumber) {
    const std::string name = "COM" + std::to_string(portNumber);
    const std::optional<std::string> path = choice_.map.PathOf(portNumber);
    if (!path) {
        portFailure_ = {PortError::NoSuchDevice, name + " has no device."};
        return false;
    }
    PortResult result = port_.Open(*path);
    const std::string mended = result ? result.message : std::string();
    if (result) {
        result = port_.SetQueueSizes(kSessionQueueBytes, kSessionQueueBytes);
    }
    if (result) {
        result = port_.ApplyLineSettings(Set_dcb());
    }
    if (result) {
        result = port_.Purge();
    }
    if (!result) {
        port_.Close();
        portFailure_ = {result.error, name + " (" + *path + "): " + result.message};
        return false;
    }
    if (!mended.empty()) {
        host_.PortMended(name + " (" + *path + "): " + mended);
    }
    return true;
}

bool ProgramSession::ComInit(int portNumber) {
    return OpenAndConfigure(portNumber);
}

bool ProgramSession::ComInit_AutoSeach() {
    ReleasePort();
    const PortList& list = choice_.portList;
    for (; portIndex_ < list.Count(); ++portIndex_) {
        if (OpenAndConfigure(list[portIndex_])) {
            port_.Purge();
            host_.Pause(kAutoSearchSettleMs);
            return true;
        }
    }
    Timer_TimeOutTrigger();
    return false;
}

bool ProgramSession::MoveToNextPort() {
    handshakeAttempts_ = 0;
    sendsOfRequest_ = 0;  // what the last port owes never arrives here
    ++portIndex_;
    host_.StartTimer(SessionTimer::TimeOut, kTimeOutMs);
    return ComInit_AutoSeach();
}

void ProgramSession::SendHandshakeOrMoveOn() {
    if (choice_.autoSearchPort) {
        if (handshakeAttempts_ < kHandshakesPerPort) {
            ++handshakeAttempts_;
        } else if (!MoveToNextPort()) {
            return;
        }
    }
    Agr_WriteReq_1();
}

void ProgramSession::Timer_TxTimer() {
    if (!IsRunning()) {
        return;
    }
    host_.StopTimer(SessionTimer::Tx);
    host_.StopTimer(SessionTimer::Rx);

    switch (SessionStage_) {
        case Stage::Handshake:
            SendHandshakeOrMoveOn();
            break;
        case Stage::LegacyIdentification:
            Agr_WriteReq_2();
            break;
        case Stage::LegacyConfirm:
            Agr_WriteReq_3();
            break;
        case Stage::PasswordArea:
            Agr_WriteReq_4();
            break;
        case Stage::JobBlocks:
            RunTransferPlan();
            break;
        case Stage::LegacyBlockAck:
            Agr_WriteAck();
            break;
    }
    if (!IsRunning()) {
        return;
    }
    ++sendsOfRequest_;

    // A step of 0 would never use up the bytes.
    while (ProgressStep > 0 && ProgressStep < ProgressBytes) {
        ProgressBytes -= ProgressStep;
        host_.AdvanceProgress(10);
    }

    RxCount = 0;
    host_.StartTimer(SessionTimer::Tx, kTxIntervalMs);
    host_.StartTimer(SessionTimer::Rx, kRxFirstIntervalMs);
}

void ProgramSession::Timer_RxTimer() {
    if (!IsRunning()) {
        return;
    }
    const size_t waiting = port_.BytesWaiting();
    if (waiting >= kInputFloodBytes) {
        // A flood is never a reply; the next tick asks again on a clean line.
        port_.PurgeInput();
        return;
    }
    if (waiting > 0) {
        std::array<uint8_t, kInputFloodBytes> incoming{};
        const size_t got = port_.Read(std::span(incoming).first(waiting));
        // Bytes that do not fit are dropped: a reply that long never matches anyway, and
        // the next tick repeats the request with an empty buffer.
        const size_t room = kRxBufferSize - RxCount;
        const size_t kept = got < room ? got : room;
        std::copy_n(incoming.begin(), kept, RxBuffer.begin() + static_cast<long>(RxCount));
        RxCount += kept;
    }
    ApplyReplyRules();
    if (IsRunning()) {
        host_.StartTimer(SessionTimer::Rx, kRxIntervalMs);
    }
}

void ProgramSession::Timer_TimeOutTimer() {
    if (!IsRunning()) {
        return;
    }
    Finish(SessionOutcome::CommunicationFalse, SessionMessage::CommunicationFalse);
}

void ProgramSession::Timer_TimeOutTrigger() {
    Timer_TimeOutTimer();
}

void ProgramSession::ReleasePort() {
    if (port_.IsOpen()) {
        port_.Close();
    }
}

void ProgramSession::Agr_Close() {
    host_.SetProgress(0);
    host_.StopTimer(SessionTimer::Tx);
    host_.StopTimer(SessionTimer::Rx);
    host_.StopTimer(SessionTimer::TimeOut);
    ReleasePort();
    host_.CloseWindow();
}

void ProgramSession::Finish(SessionOutcome outcome, SessionMessage message) {
    outcome_ = outcome;
    Agr_Close();
    host_.ShowMessage(message);
}

void ProgramSession::Agr_PasswordError() {
    Finish(SessionOutcome::PasswordError, SessionMessage::PasswordError);
}

void ProgramSession::WriteEnding() {
    Send(std::span(&protocol::kEnd, 1));
    Finish(SessionOutcome::Success, SessionMessage::Success);
}

void ProgramSession::FormClose() {
    if (!IsRunning()) {
        return;
    }
    outcome_ = SessionOutcome::Closed;
    host_.SetProgress(0);
    host_.StopTimer(SessionTimer::Tx);
    host_.StopTimer(SessionTimer::Rx);
    host_.StopTimer(SessionTimer::TimeOut);
    ReleasePort();
}

void ProgramSession::Send(std::span<const uint8_t> bytes) {
    lastRequest_ = SentRequest::Other;
    if (port_.IsOpen()) {
        port_.Write(bytes);
    }
}

void ProgramSession::Agr_WriteReq_1() {
    if (SessionMode == SessionMode::ChipStatus) {
        ProgressStep = 10;
        READ_1846StatusData();
        return;
    }
    port_.Purge();
    Send(protocol::kHandshake);
    lastRequest_ = SentRequest::Handshake;
}

void ProgramSession::Agr_WriteReq_2() {
    Send(std::span(&protocol::kLegacyIdentify, 1));
}

void ProgramSession::Agr_WriteReq_3() {
    Send(std::span(&protocol::kAck, 1));
}

void ProgramSession::Agr_WriteReq_4() {
    ReadData(static_cast<uint16_t>(radiomap::kPasswordAddress + BlockOffset), kBlockSize);
}

void ProgramSession::Agr_WriteAck() {
    Send(std::span(&protocol::kAck, 1));
}

void ProgramSession::ReadData(uint16_t address, uint8_t length) {
    expectedReplyAddress_ = address;
    ExpectedReplyLength = static_cast<uint8_t>(length + protocol::kBlockHeaderLength);
    Send(protocol::ReadRequest(address, length));
    lastRequest_ = SentRequest::Read;
}

void ProgramSession::WriteData(uint16_t address, std::span<const uint8_t> data) {
    ExpectedReplyLength = 1;
    Send(protocol::WriteRequest(address, data));
}

void ProgramSession::READ_1846StatusData() {
    ExpectedReplyLength = protocol::kStatusReplyLength;
    Send(protocol::kStatusQuery);
}

}  // namespace radioprog
