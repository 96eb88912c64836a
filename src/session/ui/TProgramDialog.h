#pragma once
// The programming window: a progress bar, Start and Cancel, and the three session timers on
// the event loop. It hosts one job and is destroyed after it closes.

#include <QDialog>
#include <memory>

#include "jobs/JobHost.h"
#include "jobs/RadioJobs.h"
#include "port/PosixSerialPort.h"
#include "session/ui/ProgramDialog.h"

class QCheckBox;
class QLabel;
class QVBoxLayout;
class QProgressBar;
class QPushButton;
class QSocketNotifier;
class QTimer;

namespace radioprog::ui {

class TProgramDialog final : public QDialog, public JobHost {
    Q_OBJECT
  public:
    TProgramDialog(GuiContext& context, QWidget* owner, const ProgramJob& job);
    ~TProgramDialog() override;

    SessionOutcome Outcome() const { return session_->Outcome(); }
    std::optional<RadioKind> RadioMet() const { return session_->RadioMet(); }
    bool NextRadioRequested() const { return nextRadioRequested_; }
    // What the user chose in the box of a job that found no radio.
    enum class AfterFailure { Close, Retry, WaitForRadio };
    AfterFailure AfterFailureChosen() const { return afterFailure_; }
    // A quiet job's result message as a box would have shown it.
    const QString& QuietResult() const { return quietResult_; }

    void StartTimer(SessionTimer timer, int intervalMs) override;
    void StopTimer(SessionTimer timer) override;
    void Pause(int ms) override;
    void SetProgress(int position) override;
    void AdvanceProgress(int by) override;
    void ShowMessage(SessionMessage message) override;
    void CloseWindow() override;
    void DataRead() override;
    void CalibrationRead() override;
    void ChipStatusRead() override;
    void StageStarted(WriteStage stage) override;
    void VerifyFailed(const VerifyReport& report) override;
    void VerifyNotRun(SessionMessage why) override;
    void Tell(const JobNote& note) override;

  protected:
    // FormClose: the close box stops a running job at once and releases the port.
    void closeEvent(QCloseEvent* event) override;
    // Cancel and Escape: before a radio has answered they stop the job at once and release
    // the port; once data moves only the close box ends it early.
    void reject() override;

  private:
    void ProgramStartClick();
    void AddSafetyNetChoices(QVBoxLayout* layout);
    // Runs one of the session's entries, then lets Cancel follow what the job may still do.
    void Drive(void (SessionDriver::*entry)());
    void RefreshCancel();
    void StopRunningJob();
    // Waiting for the radio: a job that met none ends quietly and starts again later.
    bool MeetsNoRadioAndWaits() const;
    void StartAgain();
    void OfferAgainAfter(SessionMessage message);
    std::unique_ptr<SessionDriver> MakeDriver();
    // Boxes over the window while it shows, else over its owner.
    QWidget* BoxOwner();
    // A session message as the box shows it, with what to check when the line failed.
    QString MessageText(SessionMessage message);
    QTimer* MakeTimer(const char* name, void (SessionDriver::*handler)());
    QTimer* TimerOf(SessionTimer timer) const;
    void WatchPortInput();
    void StopWatchingPort();
    void PortInputArrived();

    GuiContext& context_;
    ProgramJob job_;
    PosixSerialPort port_;
    // Made after the timers, which it stops as it starts; a safe write is made again at
    // Start, with the safety net the check boxes then ask for.
    std::unique_ptr<SessionDriver> session_;

    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* ProgramStart = nullptr;
    QPushButton* CancelBtn = nullptr;
    QLabel* stage_ = nullptr;  // what a checked write is doing now
    QTimer* radioWait_ = nullptr;
    QCheckBox* backupBeforeWrite_ = nullptr;
    QCheckBox* verifyAfterWrite_ = nullptr;
    QTimer* Timer_Tx = nullptr;
    QTimer* Timer_Rx = nullptr;
    QTimer* Timer_TimeOut = nullptr;
    // Wakes the receive poll as soon as the port has input, so a reply is taken when it is
    // complete rather than at the next tick.
    QSocketNotifier* inputNotifier_ = nullptr;
    bool closing_ = false;
    bool nextRadioRequested_ = false;
    bool waitingForRadio_ = false;
    AfterFailure afterFailure_ = AfterFailure::Close;
    QString quietResult_;
};

}  // namespace radioprog::ui
