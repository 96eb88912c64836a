#pragma once
// What every window of the desktop tool works on: the program's one AppData, the modal
// runner through which it asks the user, and where the configuration file lives.

#include <functional>
#include <string>

#include "appdata/AppData.h"
#include "dialogs/ui/ModalRunner.h"

namespace radioprog::ui {

struct GuiContext {
    AppData& data;
    ModalRunner& modals;
    std::string configPath;
    // The main window's full redraw; set by the main window, called after a radio read and
    // by the band limits dialog.
    std::function<void()> refreshMainWindow;
};

}  // namespace radioprog::ui
