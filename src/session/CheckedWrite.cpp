#include "session/CheckedWrite.h"

#include <algorithm>

#include "session/LegacyMapConversion.h"
#include "session/MemoryMapConversion.h"

namespace radioprog {

CheckedWrite::CheckedWrite(SessionState& state, PortChoice& choice, SerialPort& port,
                           CheckedWriteHost& host, SessionMode writeMode,
                           CheckedWriteOptions options, ProgramSession::PortProbe probe)
    : data_(state),
      choice_(choice),
      port_(port),
      host_(host),
      probe_(std::move(probe)),
      writeMode_(writeMode),
      portChoice_(choice) {
    // A calibration write also rewrites every channel record, so the data is checked beside
    // the calibration block. Its backup is the calibration block alone: the channel bytes it
    // rewrites follow from the calibration, and writing the backup back recomputes them. A
    // write of calibration and data replaces both, so both are kept.
    const bool calibration =
        writeMode == SessionMode::Calibration || writeMode == SessionMode::CalibrationAndData;
    const bool checked = calibration || writeMode == SessionMode::Data;
    if (checked && options.backupFirst) {
        if (calibration) {
            stages_.push_back(Stage::BackupCalibration);
        }
        if (writeMode != SessionMode::Calibration) {
            stages_.push_back(Stage::BackupData);
        }
    }
    stages_.push_back(Stage::Write);
    if (checked && options.verifyAfter) {
        if (calibration) {
            stages_.push_back(Stage::VerifyCalibration);
        }
        stages_.push_back(Stage::VerifyData);
    }
}

CheckedWrite::~CheckedWrite() = default;

const PortResult& CheckedWrite::PortFailure() const {
    static const PortResult kNone;
    return session_ ? session_->PortFailure() : kNone;
}

void CheckedWrite::ProgramStartClick() {
    if (IsRunning()) {
        return;
    }
    outcome_ = SessionOutcome::Running;
    stageIndex_ = 0;
    portChoice_ = choice_;
    kind_.reset();
    portNumber_.reset();
    sent_.reset();
    calibrationReadBack_.reset();
    dataReadBack_.reset();
    passwordAreaReadBack_.reset();
    writtenBlocks_.clear();
    report_ = {};
    StartStage();
    AdvanceWhenStageEnded();
}

SessionState CheckedWrite::ScratchForStage(Stage stage) const {
    SessionState state = data_;
    if (stage == Stage::BackupData || stage == Stage::BackupCalibration) {
        // The radio's own contents on a clean project; only the key to open it is ours.
        const std::string unlock = data_.image.Text(image::UnlockPassword);
        state.image.ResetToDefaults();
        state.image.SetText(image::UnlockPassword, unlock);
        state.lastWriteTime = {};
    } else if (stage != Stage::Write) {
        if (WritesNewPasswordWithData(data_.image, writeMode_)) {
            // The write has just changed the radio's password.
            state.image.SetText(image::UnlockPassword, data_.image.Text(image::NewPassword));
        }
        // A byte the read-back does not fill must never pass for one it read.
        state.radioMemory = {};
        state.calibrationImage = {};
    }
    return state;
}

void CheckedWrite::StartStage() {
    const Stage stage = stages_[stageIndex_];
    stageProgress_ = 0;
    host_.StageStarted(stage);
    if (stage == Stage::Write) {
        scratch_.reset();
    } else {
        scratch_ = std::make_unique<SessionState>(ScratchForStage(stage));
    }
    SessionState& stageState = scratch_ ? *scratch_ : data_;
    SessionHost& stageHost = *this;
    session_ = std::make_unique<ProgramSession>(stageState, portChoice_, port_, stageHost, probe_);
    switch (stage) {
        case Stage::BackupCalibration:
        case Stage::VerifyCalibration:
            session_->SessionMode = SessionMode::Calibration;
            session_->ReadRequested = true;
            break;
        case Stage::BackupData:
        case Stage::VerifyData:
            session_->SessionMode = SessionMode::Data;
            session_->ReadRequested = true;
            break;
        case Stage::Write:
            session_->SessionMode = writeMode_;
            session_->ReadRequested = false;
            session_->WriteTime = WriteTime;
            break;
    }
    session_->ProgramStartClick();
}

void CheckedWrite::Drive(void (ProgramSession::*call)()) {
    if (!IsRunning() || !session_) {
        return;
    }
    ((*session_).*call)();
    KeepPasswordAreaReadBack();
    AdvanceWhenStageEnded();
}

// The session reads the password area into the start of its buffer, where the job's first
// blocks land next; one reply is taken per poll, so the area is still there in the poll that
// enters the job stage.
void CheckedWrite::KeepPasswordAreaReadBack() {
    const Stage stage = stages_[stageIndex_];
    if (stage != Stage::VerifyData || passwordAreaReadBack_ || session_->LegacyRadio() ||
        session_->SessionStage() != ProgramSession::Stage::JobBlocks) {
        return;
    }
    PasswordArea area{};
    std::copy_n(scratch_->radioMemory.bytes.begin(), area.size(), area.begin());
    passwordAreaReadBack_ = area;
}

void CheckedWrite::Timer_TxTimer() {
    Drive(&ProgramSession::Timer_TxTimer);
}

void CheckedWrite::Timer_RxTimer() {
    Drive(&ProgramSession::Timer_RxTimer);
}

void CheckedWrite::Timer_TimeOutTimer() {
    Drive(&ProgramSession::Timer_TimeOutTimer);
}

void CheckedWrite::FormClose() {
    if (!IsRunning()) {
        return;
    }
    outcome_ = SessionOutcome::Closed;
    if (session_) {
        session_->FormClose();
    }
    host_.SetProgress(0);
}

// Runs after the stage's own call has returned, so a finished stage has also converted
// what it read before the next one starts.
void CheckedWrite::AdvanceWhenStageEnded() {
    while (IsRunning() && session_ && !session_->IsRunning()) {
        choice_.map = portChoice_.map;
        choice_.portList = portChoice_.portList;
        const SessionOutcome ended = session_->Outcome();
        if (ended != SessionOutcome::Success) {
            if (IsReadBack(stages_[stageIndex_]) && ended != SessionOutcome::Closed) {
                EndUnverified();
            } else {
                EndWith(ended, stageMessage_);
            }
            return;
        }
        if (!TakeStageResult()) {
            return;
        }
        if (++stageIndex_ == stages_.size()) {
            Conclude();
            return;
        }
        StartStage();
    }
}

bool CheckedWrite::TakeStageResult() {
    if (!portNumber_) {
        portNumber_ = session_->PortNumberInUse();
        portChoice_.autoSearchPort = false;
        portChoice_.portNumber = *portNumber_;
    }
    kind_ = session_->Kind();
    switch (stages_[stageIndex_]) {
        case Stage::BackupCalibration:
        case Stage::BackupData: {
            const bool calibration = stages_[stageIndex_] == Stage::BackupCalibration;
            if (!host_.KeepBackup({calibration, *kind_, *scratch_})) {
                outcome_ = SessionOutcome::Closed;
                host_.SetProgress(0);
                host_.CloseWindow();
                return false;
            }
            return true;
        }
        case Stage::Write:
            sent_ = SentData{data_.radioMemory, data_.calibrationImage};
            writtenBlocks_ = WrittenBlocks(session_->Plan());
            return true;
        case Stage::VerifyCalibration:
            calibrationReadBack_ = scratch_->radioMemory;
            return true;
        case Stage::VerifyData: {
            dataReadBack_ = scratch_->radioMemory;
            if (passwordAreaReadBack_) {
                std::copy(passwordAreaReadBack_->begin(), passwordAreaReadBack_->end(),
                          dataReadBack_->bytes.begin() + radiomap::kPasswordOffset);
            }
            report_.readProject = ProjectSide{scratch_->image, scratch_->band};
            // The sent side is the radio as read back with the written blocks as sent, so a
            // comparison names only fields of blocks the job wrote.
            const RadioMemory expected = ExpectedMemory(writtenBlocks_, *sent_, *dataReadBack_);
            ProjectSide sent{data_.image, data_.band};
            LastWriteTime stamp;
            if (*kind_ == RadioKind::Legacy) {
                SetDataToSoftware_old(expected, sent.image, stamp);
            } else {
                SetDataToSoftware(expected, *kind_ == RadioKind::Y, sent.image, sent.band, stamp);
            }
            report_.sentProject = sent;
            return true;
        }
    }
    return true;
}

void CheckedWrite::Conclude() {
    const bool verified =
        std::find(stages_.begin(), stages_.end(), Stage::VerifyData) != stages_.end();
    if (!verified) {
        EndWith(SessionOutcome::Success, SessionMessage::Success);
        return;
    }
    report_.ran = true;
    report_.legacyRadio = kind_ == RadioKind::Legacy;
    report_.differingAddresses =
        DifferingAddresses(writtenBlocks_, *sent_, dataReadBack_ ? &*dataReadBack_ : nullptr,
                           calibrationReadBack_ ? &*calibrationReadBack_ : nullptr);
    if (report_.Agrees()) {
        EndWith(SessionOutcome::Success, SessionMessage::Success);
        return;
    }
    outcome_ = SessionOutcome::VerifyFailed;
    host_.SetProgress(0);
    host_.CloseWindow();
    host_.VerifyFailed(report_);
}

std::vector<uint8_t> CheckedWrite::WrittenBytes() const {
    return sent_ ? SentBytes(writtenBlocks_, *sent_) : std::vector<uint8_t>{};
}

bool CheckedWrite::IsReadBack(Stage stage) {
    return stage == Stage::VerifyCalibration || stage == Stage::VerifyData;
}

// The radio acknowledged every block before the read-back began: the write stands, unchecked.
void CheckedWrite::EndUnverified() {
    outcome_ = SessionOutcome::WrittenUnverified;
    host_.SetProgress(0);
    host_.CloseWindow();
    host_.VerifyNotRun(stageMessage_);
}

void CheckedWrite::EndWith(SessionOutcome outcome, SessionMessage message) {
    outcome_ = outcome;
    host_.SetProgress(0);
    host_.CloseWindow();
    host_.ShowMessage(message);
}

void CheckedWrite::StartTimer(SessionTimer timer, int intervalMs) {
    host_.StartTimer(timer, intervalMs);
}

void CheckedWrite::StopTimer(SessionTimer timer) {
    host_.StopTimer(timer);
}

void CheckedWrite::Pause(int ms) {
    host_.Pause(ms);
}

void CheckedWrite::SetProgress(int position) {
    // A stage resets the bar as it closes; the next stage carries on from where it stood.
    if (!session_ || !session_->IsRunning()) {
        return;
    }
    stageProgress_ = std::clamp(position, 0, 100);
    const int stages = static_cast<int>(stages_.size());
    host_.SetProgress((static_cast<int>(stageIndex_) * 100 + stageProgress_) / stages);
}

void CheckedWrite::AdvanceProgress(int by) {
    SetProgress(stageProgress_ + by);
}

void CheckedWrite::ShowMessage(SessionMessage message) {
    stageMessage_ = message;
}

}  // namespace radioprog
