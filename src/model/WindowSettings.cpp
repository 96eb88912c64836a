#include "model/WindowSettings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace radioprog {

namespace {

// Larger than any screen a window could be placed on, small enough that no sum overflows.
constexpr int kLargestCoordinate = 100000;

struct PlaceKey {
    const char* key;
    std::optional<WindowPlace> WindowSettings::*place;
};
constexpr std::array<PlaceKey, 3> kPlaceKeys = {{
    {"MainWindow", &WindowSettings::mainWindow},
    {"HistoryWindow", &WindowSettings::historyWindow},
    {"CompareView", &WindowSettings::compareView},
}};

constexpr const char* kThemeKey = "Theme";
constexpr std::array<std::pair<Theme, std::string_view>, 3> kThemeWords = {{
    {Theme::System, "system"},
    {Theme::Light, "light"},
    {Theme::Dark, "dark"},
}};

std::optional<int> ReadWhole(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
        value < -kLargestCoordinate || value > kLargestCoordinate) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<WindowPlace> ReadWindowPlace(std::string_view text) {
    std::array<int, 4> parts{};
    for (size_t i = 0; i < parts.size(); ++i) {
        const size_t comma = i + 1 < parts.size() ? text.find(',') : text.size();
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        const std::optional<int> part = ReadWhole(text.substr(0, comma));
        if (!part) {
            return std::nullopt;
        }
        parts[i] = *part;
        text.remove_prefix(std::min(comma + 1, text.size()));
    }
    const WindowPlace place{parts[0], parts[1], parts[2], parts[3]};
    if (place.width <= 0 || place.height <= 0) {
        return std::nullopt;
    }
    return place;
}

std::string WindowPlaceText(const WindowPlace& place) {
    return std::to_string(place.x) + "," + std::to_string(place.y) + "," +
           std::to_string(place.width) + "," + std::to_string(place.height);
}

void ReadWindowSettings(const CSimpleIniA& ini, WindowSettings& settings) {
    for (const PlaceKey& key : kPlaceKeys) {
        settings.*key.place = ReadWindowPlace(ini.GetValue(kWindowsSection, key.key, ""));
    }
    settings.theme = Theme::System;
    std::string word = ini.GetValue(kWindowsSection, kThemeKey, "");
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& [theme, name] : kThemeWords) {
        if (word == name) {
            settings.theme = theme;
        }
    }
}

void WriteWindowSettings(IniDocument& ini, const WindowSettings& settings) {
    for (const PlaceKey& key : kPlaceKeys) {
        if (const std::optional<WindowPlace>& place = settings.*key.place) {
            ini.Set(kWindowsSection, key.key, WindowPlaceText(*place));
        } else {
            ini.Remove(kWindowsSection, key.key);
        }
    }
    if (settings.theme == Theme::System) {
        ini.Remove(kWindowsSection, kThemeKey);
        return;
    }
    for (const auto& [theme, name] : kThemeWords) {
        if (theme == settings.theme) {
            ini.Set(kWindowsSection, kThemeKey, name);
        }
    }
}

std::vector<std::string> WindowSettingKeys() {
    std::vector<std::string> keys;
    keys.reserve(kPlaceKeys.size() + 1);
    for (const PlaceKey& key : kPlaceKeys) {
        keys.emplace_back(key.key);
    }
    keys.emplace_back(kThemeKey);
    return keys;
}

}  // namespace radioprog
