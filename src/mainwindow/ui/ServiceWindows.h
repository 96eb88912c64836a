#pragma once
// The service menu: the access code decides which service window opens. The shell joins the
// two, so that neither the access-code dialog nor the calibration window knows the other.

#include "gui/GuiContext.h"

class QWidget;

namespace radioprog::ui {

void RunAccessCodeDialog(GuiContext& context, QWidget* owner);

}  // namespace radioprog::ui
