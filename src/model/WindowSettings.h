#pragma once
// How the desktop tool's windows were left: where each remembered window stood and which
// theme the user chose. Kept in a section of their own, so that the rest of the configuration
// reads the same with or without them.

#include <optional>
#include <string>
#include <vector>

#include "model/IniFile.h"

namespace radioprog {

inline constexpr const char* kWindowsSection = "Windows";

// A window's frame-less geometry in logical pixels, as "x,y,width,height".
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

enum class Theme { System, Light, Dark };

struct WindowSettings {
    std::optional<WindowPlace> mainWindow;
    std::optional<WindowPlace> historyWindow;
    std::optional<WindowPlace> compareView;
    Theme theme = Theme::System;
};

// "x,y,width,height" as written by hand or by us; nothing for anything else (a size of
// nothing, a part that is no whole number), so a garbled key only forgets the place.
std::optional<WindowPlace> ReadWindowPlace(std::string_view text);
std::string WindowPlaceText(const WindowPlace& place);

void ReadWindowSettings(const CSimpleIniA& ini, WindowSettings& settings);
// A window never placed and the system theme leave no key behind.
void WriteWindowSettings(IniDocument& ini, const WindowSettings& settings);
// The keys of kWindowsSection.
std::vector<std::string> WindowSettingKeys();

}  // namespace radioprog
