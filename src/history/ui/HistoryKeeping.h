#pragma once
// The windows' reads go into the history as the command line's do.

#include "gui/GuiContext.h"
#include "history/RadioHistory.h"
#include "session/SessionData.h"

class QWidget;

namespace radioprog::ui {

// Keeps what a successful read brought into read (the program's state, or a private copy),
// under the configuration's history keys. A read that cannot be kept is told in a box over
// owner; the read itself stands.
void KeepReadInHistory(GuiContext& context, QWidget* owner, HistoryJob job, RadioKind kind,
                       const SessionData& read);

}  // namespace radioprog::ui
