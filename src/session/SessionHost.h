#pragma once
// Everything the programming session needs from whoever shows it: three timers, a blocking
// pause, the progress bar, the result message and what a successful read brought. The session never
// reads a clock itself, so a window (real timers), the command-line tool (its own event loop) and
// the tests (a virtual clock) all run the same engine.

#include <string>

namespace radioprog {

enum class SessionTimer {
    Tx,       // transmit tick: repeats the last request while the radio stays silent
    Rx,       // receive poll
    TimeOut,  // silence limit
};

// The four results a session can end with; the value is the index of the text in the
// session's own message table.
enum class SessionMessage : int {
    CommunicationFalse = 2,
    Success = 3,
    PasswordError = 4,
    OldVersion = 7,
};

class SessionHost {
  public:
    virtual ~SessionHost() = default;

    // (Re)starts the timer: it fires intervalMs from now and then every intervalMs until
    // stopped or started again.
    virtual void StartTimer(SessionTimer timer, int intervalMs) = 0;
    virtual void StopTimer(SessionTimer timer) = 0;
    // Blocks the session's thread; no timer fires meanwhile.
    virtual void Pause(int ms) = 0;

    // The progress bar, 0 to 100; advancing stops at 100.
    virtual void SetProgress(int position) = 0;
    virtual void AdvanceProgress(int by) = 0;

    // A modal message in the current language; returns when the user has dismissed it.
    virtual void ShowMessage(SessionMessage message) = 0;
    // The session is over (the port is already released): the window goes away.
    virtual void CloseWindow() = 0;

    // A successful read has converted what the radio holds into the session's state (after
    // the success message was dismissed): the project and band, the calibration record, or
    // the RF chip's live status in the calibration record.
    virtual void DataRead() = 0;
    virtual void CalibrationRead() = 0;
    virtual void ChipStatusRead() = 0;

    // The port opened after something was mended on the way (an exclusive mark that no
    // process held was cleared): what, for the user's information. The job goes on.
    virtual void PortMended(const std::string& what) { static_cast<void>(what); }
};

}  // namespace radioprog
