#pragma once
// What every window of a story works on, built one way: the story's own program data, a
// modal runner whose answers the story scripts (no box ever waits for a person), and the
// context joining them. A story that reads or writes the configuration gets a file of its own
// in the fixture's fresh folder; the others get none, so nothing is written anywhere.

#include <string>

#include "GuiTestSupport.h"
#include "appdata/AppData.h"
#include "gui/GuiContext.h"
#include "gui/ModalRunner.h"
#include "support/TempFolder.h"

namespace radioprog::testing {

struct GuiContextFixture {
    enum class Config { None, OwnFile };

    explicit GuiContextFixture(Config config = Config::None)
        : configPath(config == Config::OwnFile ? folder.File("_config.ini") : std::string()) {
        modals.SetScripted(true);
    }

    TempFolder folder;
    std::string configPath;
    AppData data;
    ui::ModalRunner modals;
    ui::GuiContext context{data, modals, configPath, {}};
};

}  // namespace radioprog::testing
