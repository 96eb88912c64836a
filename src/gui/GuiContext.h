#pragma once
// What every window of the desktop tool works on: the program's one AppData, the modal
// runner through which it asks the user, where the configuration file lives, and the channel
// through which a window tells the shell that it replaced the project.

#include <QString>
#include <string>

#include "appdata/AppData.h"
#include "gui/ModalRunner.h"
#include "gui/ProjectEvents.h"

class QWidget;

namespace radioprog::ui {

struct GuiContext {
    AppData& data;
    ModalRunner& modals;
    std::string configPath;
    ProjectEvents events;

    // A message in a box with the OK button of the language in use.
    void Tell(QWidget* owner, const QString& text);
};

}  // namespace radioprog::ui
