#pragma once
// The program's icon, painted at run time (the installed SVG shows the same drawing), so the
// window needs no image plug-in.

#include <QIcon>

namespace radioprog::app {

QIcon ProgramIcon();

}  // namespace radioprog::app
