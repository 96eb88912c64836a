// A job as the caller sees it: one programming window, and a new one each time the user
// answers a failure with a retry or with waiting for the radio.

#include "session/ui/TProgramDialog.h"

namespace radioprog::ui {

SessionOutcome RunProgramDialog(GuiContext& context, QWidget* owner, const ProgramJob& job) {
    return RunProgramDialogFor(context, owner, job).outcome;
}

ProgramResult RunProgramDialogFor(GuiContext& context, QWidget* owner, const ProgramJob& job) {
    for (ProgramJob attempt = job;;) {
        TProgramDialog dialog(context, owner, attempt);
        context.modals.Exec(dialog);
        const TProgramDialog::AfterFailure choice = dialog.AfterFailureChosen();
        if (choice == TProgramDialog::AfterFailure::Close) {
            return {dialog.Outcome(), dialog.NextRadioRequested(), dialog.RadioMet()};
        }
        // The user has already said go: the new window starts at once.
        attempt.startAtOnce = true;
        attempt.waitForRadio = choice == TProgramDialog::AfterFailure::WaitForRadio;
    }
}

}  // namespace radioprog::ui
