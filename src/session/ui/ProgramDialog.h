#pragma once
// The programming window (TProgramDialog): one job against the radio in a small modal
// window with a progress bar, Start and Cancel. The job's effects (model filled, windows
// redrawn) happen inside it; the caller only learns how it ended.

#include <QString>
#include <functional>

#include "gui/GuiContext.h"
#include "session/ProgramSession.h"

class QWidget;

namespace radioprog::ui {

struct ProgramJob {
    int32_t sessionMode = kModeData;
    bool readRequested = true;
    QString caption;  // TextId 247 for a read, 248 for a write
    // Redraws the calibration window after a calibration or chip status read.
    std::function<void()> refreshCalibrationWindow;
};

// Shows the window modally through context.modals; returns when it has closed.
SessionOutcome RunProgramDialog(GuiContext& context, QWidget* owner, const ProgramJob& job);

}  // namespace radioprog::ui
