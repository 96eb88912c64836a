#pragma once
// The service menu: the access code decides which service window opens. The shell joins the
// two, so that neither the access-code dialog nor the calibration window knows the other.

#include "gui/GuiContext.h"

class QWidget;

namespace radioprog::ui {

// calibrationFile: a calibration file opened from outside the program (a double click), shown
// in the calibration window once the calibration code was given; with any other code the
// service window of that code opens and the file is not read.
void RunAccessCodeDialog(GuiContext& context, QWidget* owner,
                         const QString& calibrationFile = QString());

}  // namespace radioprog::ui
