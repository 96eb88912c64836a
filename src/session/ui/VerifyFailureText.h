#pragma once
// What the window says when a radio read back after a write holds something else: the
// channels and settings, the addresses, and each differing field as written and as read.

#include <QString>

#include "gui/GuiContext.h"
#include "session/WriteVerification.h"

namespace radioprog::ui {

QString VerifyFailureText(const GuiContext& context, const VerifyReport& report);

}  // namespace radioprog::ui
