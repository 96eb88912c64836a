#pragma once
// The programming session: opens the serial port, drives the radio protocol from three
// timers, moves the job's blocks between the radio and RadioMemory and ends with one of
// four messages. The window, the command-line tool and the tests each wrap it with their own
// SessionHost; this class owns no widget and no clock.
//

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "port/PortChoice.h"
#include "port/SerialPort.h"
#include "session/MemoryMapConversion.h"
#include "session/RadioKind.h"
#include "session/SessionDriver.h"
#include "session/SessionHost.h"
#include "session/SessionState.h"
#include "session/TransferPlans.h"

namespace radioprog {

inline constexpr int kTxIntervalMs = 1000;
inline constexpr int kRxFirstIntervalMs = 10;
inline constexpr int kRxIntervalMs = 3;
inline constexpr int kTimeOutMs = 5000;
inline constexpr int kPortSettleMs = 500;
inline constexpr int kAutoSearchSettleMs = 50;
inline constexpr size_t kRxBufferSize = 255;
// A poll that finds this many bytes waiting discards them unread.
inline constexpr size_t kInputFloodBytes = 256;
inline constexpr int kHandshakesPerPort = 2;

class ProgramSession final : public SessionDriver {
  public:
    // Rewrites the port list; replaced by tests whose ports are not devices.
    using PortProbe = std::function<void(PortChoice&)>;

    // The stages of the protocol, in the order a job passes them.
    enum class Stage : uint8_t {
        Handshake,             // or the chip status query
        LegacyIdentification,  // legacy radios only
        LegacyConfirm,
        PasswordArea,
        JobBlocks,
        LegacyBlockAck,  // a legacy radio acknowledges each block it sent
    };

    // The session fills state and talks on the port that choice names (auto search rewrites
    // the choice's port list); both must outlive it.
    ProgramSession(SessionState& state, PortChoice& choice, SerialPort& port, SessionHost& host,
                   PortProbe probe = ProbePorts);

    // Set by the caller before the job starts.
    radioprog::SessionMode SessionMode = SessionMode::Data;
    bool ReadRequested = true;
    // The date and time a data write stamps into the radio.
    std::function<LastWriteTime()> WriteTime = LocalTimeNow;

    void ProgramStartClick() override;
    void Timer_TxTimer() override;
    void Timer_RxTimer() override;
    void Timer_TimeOutTimer() override;
    // The window is closing, by whatever means: stop at once and release the port. Sends
    // nothing and shows no message; the window is already on its way out.
    void FormClose() override;

    SessionOutcome Outcome() const override { return outcome_; }
    // Why the last port that could not be opened or configured failed (error None when
    // every port opened), so that a caller can say more than "Communication False".
    const PortResult& PortFailure() const override { return portFailure_; }
    // The port number the job talks on (under auto search: the one the radio answered on).
    int PortNumberInUse() const;

    // The radio kind learnt from the handshake.
    bool LegacyRadio() const { return LegacyRadio_; }
    bool VariantY() const { return data_.VariantY; }
    RadioKind Kind() const;
    std::optional<RadioKind> RadioMet() const override;
    Stage SessionStage() const { return SessionStage_; }
    // The plan the job stage walks (empty before the job stage).
    const TransferPlan& Plan() const { return plan_; }
    // Reply bytes received and not yet taken by a reply rule.
    size_t BufferedReplyBytes() const { return RxCount; }

  private:
    bool ComInit(int portNumber);
    bool ComInit_AutoSeach();
    bool OpenAndConfigure(int portNumber);
    void SendHandshakeOrMoveOn();
    bool MoveToNextPort();

    void Timer_TimeOutTrigger();
    void Agr_Close();
    void ReleasePort();
    void Agr_PasswordError();
    void WriteEnding();
    void Finish(SessionOutcome outcome, SessionMessage message);

    void Agr_WriteReq_1();
    void Agr_WriteReq_2();
    void Agr_WriteReq_3();
    void Agr_WriteReq_4();
    void Agr_WriteAck();
    void ReadData(uint16_t address, uint8_t length);
    void WriteData(uint16_t address, std::span<const uint8_t> data);
    void READ_1846StatusData();
    void Send(std::span<const uint8_t> bytes);

    // Reply rules, one per stage; each either waits, accepts or ends the session.
    void ApplyReplyRules();
    void HandshakeReply();
    void StatusReply();
    void LegacyIdentificationReply();
    void LegacyConfirmReply();
    void PasswordAreaReply();
    void BlockReply();
    void LegacyBlockAckReply();
    void AcceptReply();
    // A data reply at the start of RxBuffer: stored (true), or ended the session or was
    // dropped as stale (false).
    bool TakeDataReply();
    bool IsStaleDataReply() const;
    void StoreDataReply();
    void EnterJobStage();

    // Answers the radio still owes to requests that were repeated before it answered them.
    void NoteAnswersStillOwed();
    // Steps over such copies at the start of RxBuffer; false while one is still arriving.
    bool DropAnswersStillOwed();

    // The job routine of stage 4 and the plan it walks.
    void RunTransferPlan();
    void EnterStep(int stepIndex);
    void SendBlock(BlockRequest request, int offset);
    void RunConversion(PlanConversion conversion);
    void FinishJob(AfterSuccess after);
    void FinishChipStatus();

    SessionState& data_;
    PortChoice& choice_;
    SerialPort& port_;
    SessionHost& host_;
    PortProbe probe_;

    SessionOutcome outcome_ = SessionOutcome::NotStarted;
    PortResult portFailure_;
    Stage SessionStage_ = Stage::Handshake;
    bool LegacyRadio_ = false;
    int32_t StepIndex = 0;
    int32_t BlockOffset = 0;
    int32_t ProgressBytes = 0;
    uint16_t ProgressStep = 10;
    bool TransferIsRead = false;
    uint8_t ExpectedReplyLength = 0;
    // The address the last read request named; a data reply for another one is stale.
    uint16_t expectedReplyAddress_ = 0;
    std::array<uint8_t, kRxBufferSize> RxBuffer{};
    size_t RxCount = 0;
    size_t portIndex_ = 0;
    uint8_t handshakeAttempts_ = 0;
    TransferPlan plan_;

    enum class SentRequest : uint8_t { Handshake, Read, Other };
    SentRequest lastRequest_ = SentRequest::Other;
    // How often the request awaiting its reply has been sent.
    int sendsOfRequest_ = 0;
    int owedHandshakeAnswers_ = 0;
    uint8_t handshakeAnswer_ = 0;
    int owedDataReplies_ = 0;
    uint16_t owedDataAddress_ = 0;
    // The programming time this write put into the radio; it becomes the radio's last
    // programming time once the write has succeeded.
    std::optional<LastWriteTime> stampWritten_;
};

}  // namespace radioprog
