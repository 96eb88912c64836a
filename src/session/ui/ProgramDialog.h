#pragma once
// The programming window (TProgramDialog): one job against the radio in a small modal
// window with a progress bar, Start and Cancel. The job itself (what it reads, writes, keeps
// and logs) is the core's; the window shows it, and the caller learns how it ended.

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "gui/GuiContext.h"
#include "session/SessionDriver.h"
#include "session/SessionState.h"
#include "session/TransferPlans.h"

class QWidget;

namespace radioprog::ui {

struct ProgramJob {
    SessionMode sessionMode = SessionMode::Data;
    bool readRequested = true;
    QString caption;  // TextId 247 for a read, 248 for a write
    // Redraws the calibration window after a calibration or chip status read.
    std::function<void()> refreshCalibrationWindow;

    // A read into this private copy instead of the open project: the window is not redrawn
    // and no step is recorded; the history keeps what the copy received.
    SessionState* readInto = nullptr;

    // A write of data or calibration with safetyNet offers a backup read before and a
    // read-back after (check boxes remembered in the configuration). Every write adds a line
    // to the bench log naming projectFile (empty: unsaved) as where the data came from.
    bool safetyNet = false;
    std::string projectFile = {};
    // Radio after radio: the job starts as the window opens, and is always read back; the
    // success message counts the radios written and offers the next one.
    bool startAtOnce = false;
    bool alwaysVerify = false;
    // A write the user insisted on: the radio's contents are kept in the history first.
    bool alwaysBackUp = false;
    std::optional<int> radiosWrittenBefore = std::nullopt;
    // Part of writing radio after radio: when no radio answers, the box offers to wait for
    // the next one to be connected instead of a single retry.
    bool radioAfterRadio = false;
    // Waiting for the radio: while no radio answers, the job starts again every two seconds
    // without a box, until one answers or the user cancels.
    bool waitForRadio = false;
    // A job nobody watches (the calibration window's live status): the window is never
    // shown and shows no box; its result is read from QuietResult once it has finished.
    bool quiet = false;
};

// How long a window waiting for the radio leaves the port alone between two attempts.
inline constexpr int kRadioWaitMs = 2000;

struct ProgramResult {
    SessionOutcome outcome = SessionOutcome::NotStarted;
    // The user asked for the same write to the next radio.
    bool nextRadio = false;
    // The kind of radio that answered, when one did.
    std::optional<RadioKind> radioMet;
};

// Whether the job is a write whose safety net the window offers.
bool IsCheckedWrite(const ProgramJob& job);

// Shows the window modally through context.modals; returns when it has closed. When the
// user asks for a retry or to wait for the radio, the job runs again in a new window.
SessionOutcome RunProgramDialog(GuiContext& context, QWidget* owner, const ProgramJob& job);
ProgramResult RunProgramDialogFor(GuiContext& context, QWidget* owner, const ProgramJob& job);

}  // namespace radioprog::ui
