#pragma once
// A write from a window with its safety net: the backup read goes into the history (a backup
// that cannot be kept stops the write, with a word), and every write, however it ends, adds
// a line to the bench log beside the history.

#include <functional>
#include <string>

#include "session/ui/ProgramDialog.h"

namespace radioprog::ui {

// projectFile: where the data came from, for the log (empty: unsaved). written runs after
// each write that ended in success.
ProgramJob CheckedWriteJob(GuiContext& context, QWidget* owner, int32_t writeMode,
                           const QString& caption, std::function<std::string()> projectFile,
                           std::function<void()> written = nullptr);

}  // namespace radioprog::ui
