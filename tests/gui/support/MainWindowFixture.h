#pragma once
// A main window on a configuration file in a fresh folder, with scripted modal answers and
// no serial device but those the story names in the file's [ports] section.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "GuiContextFixture.h"
#include "GuiTestSupport.h"
#include "mainwindow/ui/MainWindow.h"
#include "support/TempFolder.h"

namespace radioprog::testing {

class MainWindowFixture : public ::testing::Test, protected GuiContextFixture {
  protected:
    MainWindowFixture() : GuiContextFixture(Config::OwnFile) {
        // Only the devices of the configuration's [ports] section exist for these stories.
        data.port.source.scanDevices = [] { return std::vector<std::string>{}; };
    }
    ~MainWindowFixture() override { CloseWindow(); }

    // Writes the configuration file the window will start with.
    void WriteConfig(const std::string& text) { std::ofstream(configPath) << text; }

    ui::TForm1& OpenWindow() {
        window = std::make_unique<ui::TForm1>(context);
        window->show();
        return *window;
    }
    // Destroys the window, which writes the configuration back.
    void CloseWindow() { window.reset(); }

    template <typename T>
    T* Child(const char* name) {
        return Find<T>(window.get(), name);
    }

    std::unique_ptr<ui::TForm1> window;
};

}  // namespace radioprog::testing
