#pragma once
// What a failed session tells beyond "Communication False": which port it used (or which it
// searched) and what to check, in the language in use; a port that could not be opened says
// why, with the system's own detail.

#include <QString>

#include "lang/AppLang.h"
#include "port/PortChoice.h"
#include "port/SerialPort.h"

namespace radioprog::ui {

QString FailureAdvice(const THaldenFuncs::TAppLang& lang, const PortChoice& port,
                      const PortResult& failure);

}  // namespace radioprog::ui
