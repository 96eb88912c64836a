#include "SessionHarness.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "FuzzTargets.h"

namespace radioprog::fuzz {

namespace {

const std::string kPort1 = "/dev/fuzz1";
const std::string kPort2 = "/dev/fuzz2";
// After the last reply the session gets this long to finish by itself (an end byte goes
// out on the next transmit tick), then the window is closed.
constexpr int64_t kQuietGraceMs = kTxIntervalMs + 100;
// Far more timer firings than any job needs; a session still running then never ends.
constexpr int kFiringLimit = 2'000'000;

}  // namespace

void ScriptedLine::Reset(std::span<const uint8_t> script, RadioSimulator* recordFrom,
                         std::vector<uint8_t>* recording, bool firstPortBroken) {
    script_ = script;
    at_ = 0;
    radio_ = recordFrom;
    recording_ = recording;
    recorded_.clear();
    recorded_.reserve(1 << 16);  // spans into it stay valid while recording
    open_ = false;
    firstPortBroken_ = firstPortBroken;
    pendingCount_ = 0;
    inputStart_ = inputEnd_ = 0;
}

PortResult ScriptedLine::Open(const std::string& devicePath) {
    ++activity;
    if (firstPortBroken_ && devicePath == kPort1) {
        return {PortError::InUse, devicePath + " is in use by another program."};
    }
    open_ = true;
    return {};
}

PortResult ScriptedLine::Purge() {
    ++activity;
    Deliver();
    inputStart_ = inputEnd_ = 0;
    return {};
}

void ScriptedLine::Schedule(int64_t due, std::span<const uint8_t> bytes) {
    if (pendingCount_ < pending_.size() && !bytes.empty()) {
        pending_[pendingCount_++] = {due, bytes};
    }
}

int64_t ScriptedLine::NextArrival() const {
    int64_t next = INT64_MAX;
    for (size_t i = 0; i < pendingCount_; ++i) {
        next = std::min(next, pending_[i].due);
    }
    return next;
}

size_t ScriptedLine::Write(std::span<const uint8_t> bytes) {
    ++activity;
    if (!open_) {
        return 0;
    }
    if (radio_ != nullptr) {
        radio_->Receive(bytes, clock_.now);
        const std::vector<uint8_t> reply = radio_->TakeReplies(clock_.now + 60'000);
        if (reply.empty() || reply.size() > 255) {
            recording_->push_back(kSilence);
            return bytes.size();
        }
        recording_->push_back(1);
        recording_->push_back(static_cast<uint8_t>(reply.size()));
        recording_->insert(recording_->end(), reply.begin(), reply.end());
        const size_t start = recorded_.size();
        recorded_.insert(recorded_.end(), reply.begin(), reply.end());
        Schedule(clock_.now + kDelayUnitMs, std::span(recorded_).subspan(start, reply.size()));
        return bytes.size();
    }
    if (at_ >= script_.size()) {
        return bytes.size();
    }
    const uint8_t delay = script_[at_++];
    if (delay == kSilence || at_ >= script_.size()) {
        return bytes.size();
    }
    int64_t due = clock_.now + int64_t{delay} * kDelayUnitMs;
    int64_t copyDue = -1;
    if (delay == kAnsweredTwice) {
        if (script_.size() - at_ < 3) {
            at_ = script_.size();
            return bytes.size();
        }
        due = clock_.now + int64_t{script_[at_++]} * kLateUnitMs;
        copyDue = due + int64_t{script_[at_++]} * kDelayUnitMs;
    }
    const uint8_t declared = script_[at_++];
    const size_t length = std::min<size_t>(declared, script_.size() - at_);
    Schedule(due, script_.subspan(at_, length));
    if (copyDue >= 0) {
        Schedule(copyDue, script_.subspan(at_, length));
    }
    at_ += length;
    return bytes.size();
}

void ScriptedLine::Deliver() {
    size_t kept = 0;
    for (size_t i = 0; i < pendingCount_; ++i) {
        const Pending& p = pending_[i];
        if (p.due > clock_.now) {
            pending_[kept++] = p;
            continue;
        }
        if (inputStart_ == inputEnd_) {
            inputStart_ = inputEnd_ = 0;
        }
        const size_t room = input_.size() - inputEnd_;
        const size_t n = std::min(room, p.bytes.size());
        std::memcpy(input_.data() + inputEnd_, p.bytes.data(), n);
        inputEnd_ += n;
    }
    pendingCount_ = kept;
}

size_t ScriptedLine::BytesWaiting() {
    if (!open_) {
        return 0;
    }
    Deliver();
    return inputEnd_ - inputStart_;
}

size_t ScriptedLine::Read(std::span<uint8_t> buffer) {
    const size_t n = std::min(buffer.size(), BytesWaiting());
    std::memcpy(buffer.data(), input_.data() + inputStart_, n);
    inputStart_ += n;
    return n;
}

void ClockHost::Reset() {
    timers_ = {};
    progress = 0;
    messages = 0;
}

void ClockHost::StartTimer(SessionTimer timer, int intervalMs) {
    if (timer != SessionTimer::Rx) {
        ++activity;
    }
    timers_.Start(timer, clock_.now, intervalMs);
}

void ClockHost::StopTimer(SessionTimer timer) {
    if (timer != SessionTimer::Rx) {
        ++activity;
    }
    timers_.Stop(timer);
}

bool ClockHost::Run(ProgramSession& session, ScriptedLine& line) {
    int64_t quietSince = -1;
    for (int firing = 0; session.IsRunning(); ++firing) {
        if (firing >= kFiringLimit) {
            return false;
        }
        if (line.Exhausted()) {
            if (quietSince < 0) {
                quietSince = clock_.now;
            } else if (clock_.now - quietSince > kQuietGraceMs) {
                session.FormClose();
                break;
            }
        } else {
            quietSince = -1;
        }
        const std::optional<SessionTimer> next = timers_.Next();
        if (!next) {
            return false;  // running with no timer: nothing would ever end it
        }
        clock_.now = timers_.Fire(*next, clock_.now);
        if (*next == SessionTimer::Rx) {
            PollAndSkipRepeats(session, line);
        } else {
            RunTimerHandler(session, *next);
        }
    }
    return true;
}

void ClockHost::PollAndSkipRepeats(ProgramSession& session, ScriptedLine& line) {
    const uint64_t before = activity + line.activity;
    const ProgramSession::Stage stage = session.SessionStage();
    const size_t buffered = session.BufferedReplyBytes();
    const bool newBytes = line.BytesWaiting() > 0;
    session.Timer_RxTimer();
    const bool polling = timers_.IsRunning(SessionTimer::Rx);
    if (newBytes || !session.IsRunning() || !polling || activity + line.activity != before ||
        session.SessionStage() != stage || session.BufferedReplyBytes() != buffered) {
        return;
    }
    int64_t event = line.NextArrival();
    for (const SessionTimer timer : {SessionTimer::Tx, SessionTimer::TimeOut}) {
        if (timers_.IsRunning(timer)) {
            event = std::min(event, timers_.DueTime(timer));
        }
    }
    const int64_t interval = timers_.Interval(SessionTimer::Rx);
    if (event == INT64_MAX || interval <= 0) {
        return;
    }
    // The last poll of the grid that still comes before the event.
    const int64_t due = timers_.DueTime(SessionTimer::Rx);
    const int64_t skipped = (event - 1 - due) / interval;
    if (skipped > 0) {
        timers_.MoveDueTime(SessionTimer::Rx, due + skipped * interval);
    }
}

namespace {

struct World {
    VirtualClock clock;
    ScriptedLine line{clock};
    ClockHost host{clock};
    AppData data;
    ProjectImage pristineImage;
    CalibrationData pristineCalibration;

    World() {
        data.lang.SetLangType(THaldenFuncs::TLangType::English);
        ResetProjectToDefaults(data);
        data.band = {400000000, 480000000};
        ResetCalibrationData(data.calibration, data.band);
        ChannelRecord channel = data.image.Channel(1);
        channel.InitialiseNew(438000000);
        data.image.SetChannelValid(1, true);
        pristineImage = data.image;
        pristineCalibration = data.calibration;
        data.port.map.Assign(1, kPort1);
        data.port.map.Assign(2, kPort2);
    }
};

}  // namespace

SessionOutcome RunScriptedSession(uint8_t flags, std::span<const uint8_t> script,
                                  RadioSimulator* recordFrom, std::vector<uint8_t>* recording) {
    static World world;
    World& w = world;
    w.clock.now = 0;
    w.host.Reset();
    w.line.Reset(script, recordFrom, recording, (flags & kFirstPortBroken) != 0);
    w.data.image = w.pristineImage;
    w.data.calibration = w.pristineCalibration;
    w.data.radioMemory.bytes.fill(0xFF);
    w.data.image.SetText(image::UnlockPassword, (flags & kUnlockPassword) ? "1234" : "");
    w.data.image.SetText(image::NewPassword, (flags & kNewPassword) ? "5678" : "");
    w.data.image.Set(image::WriteNewPasswordWithData,
                     static_cast<uint8_t>((flags & kPasswordWithData) ? 1 : 0));
    w.data.port.autoSearchPort = (flags & kAutoSearch) != 0;
    w.data.port.portNumber = 1;

    ProgramSession session(w.data, w.data.port, w.line, w.host, [](PortChoice& choice) {
        choice.portList.Clear();
        choice.portList.Append(1);
        choice.portList.Append(2);
    });
    const Job job = kJobs[flags & kJobMask];
    session.SessionMode = job.mode;
    session.ReadRequested = job.read;
    session.WriteTime = [] { return LastWriteTime{2024, 5, 6, 7, 8}; };
    session.ProgramStartClick();
    FUZZ_CHECK(w.host.Run(session, w.line));
    FUZZ_CHECK(w.host.progress >= 0 && w.host.progress <= 100);
    FUZZ_CHECK(!w.line.IsOpen());
    return session.Outcome();
}

}  // namespace radioprog::fuzz
