#include "model/Configuration.h"

#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "model/ConfigWords.h"
#include "model/ConfigurationLayout.h"
#include "model/IniFile.h"

namespace radioprog {

using namespace config_layout;

namespace {

constexpr const char* kConfigFileName = "_config.ini";

// SimpleIni's own integer reader accepts "12abc" as 12; we want a non-numeric value to
// fall back to its default instead.
long ReadInteger(const CSimpleIniA& ini, const char* section, const std::string& key,
                 long fallback) {
    const char* text = ini.GetValue(section, key.c_str(), nullptr);
    if (text == nullptr) {
        return fallback;
    }
    std::string_view view(text);
    while (!view.empty() && view.front() == ' ') {
        view.remove_prefix(1);
    }
    while (!view.empty() && view.back() == ' ') {
        view.remove_suffix(1);
    }
    long value = 0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (error != std::errc() || end != view.data() + view.size()) {
        return fallback;
    }
    return value;
}

int ReadInt(const CSimpleIniA& ini, const char* section, const std::string& key, int fallback) {
    return static_cast<int>(ReadInteger(ini, section, key, fallback));
}

uint32_t ReadHz(const CSimpleIniA& ini, const char* section, const std::string& key,
                uint32_t fallback) {
    return static_cast<uint32_t>(ReadInteger(ini, section, key, fallback));
}

// The reader trims the single space these keys hold by default; give it back, so that a
// file read and written again keeps its texts.
std::string ReadText(const CSimpleIniA& ini, const char* section, const char* key) {
    const std::string value = ini.GetValue(section, key, "");
    return value.empty() ? std::string(" ") : value;
}

template <size_t N>
void ReadSizes(const CSimpleIniA& ini, const std::string& prefix, std::array<int, N>& sizes) {
    for (size_t i = 0; i < N; ++i) {
        sizes[i] = ReadInt(ini, kControlSection, prefix + std::to_string(i), sizes[i]);
    }
}

// The configured language's product name; English for any setting outside the three.
const ConfigLanguageTexts& TextsOfLanguage(const ConfigValues& config) {
    switch (config.languageSetting) {
        case 1:
            return config.languageTexts[0];
        case 2:
            return config.languageTexts[1];
        default:
            return config.languageTexts[2];
    }
}

bool IsWritableFolder(const std::string& folder) {
    return !folder.empty() && access(folder.c_str(), W_OK | X_OK) == 0;
}

// The system's program folders belong to the package manager: an installed program keeps its
// configuration per user there even when run by root, who may write into them.
bool IsSystemProgramFolder(const std::string& folder) {
    std::string path = std::filesystem::path(folder).lexically_normal().string();
    if (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    for (const char* system : {"/bin", "/sbin", "/usr/bin", "/usr/sbin", "/usr/games",
                               "/usr/local/bin", "/usr/local/sbin", "/usr/local/games"}) {
        if (path == system) {
            return true;
        }
    }
    return false;
}

void ReadFiles(const CSimpleIniA& ini, ConfigValues& config) {
    config.recentProjects.clear();
    for (size_t i = 1; i <= kRecentProjectCount; ++i) {
        const std::string path =
            ini.GetValue(kFilesSection, ("Recent" + std::to_string(i)).c_str(), "");
        if (!path.empty()) {
            config.recentProjects.push_back(path);
        }
    }
    config.lastFolder = ini.GetValue(kFilesSection, "LastFolder", "");
    config.showAllChannelFields = ini.GetLongValue(kViewSection, "AllChannelFields", 0) != 0;
}

void ReadProgramming(const CSimpleIniA& ini, ConfigValues& config) {
    config.backupBeforeWrite = ini.GetLongValue(kProgrammingSection, "BackupBeforeWrite", 1) != 0;
    config.verifyAfterWrite = ini.GetLongValue(kProgrammingSection, "VerifyAfterWrite", 1) != 0;
}

// A limit that is no plain count of entries (0 would delete each read as it is kept; "1e3"
// or "+700" leave us guessing) is refused, so that no entry is deleted on a guess. "off" is
// understood as people write it: the entries hold the radio's unlock password.
void ReadHistory(const CSimpleIniA& ini, ConfigValues& config) {
    const ConfigValues defaults;
    config.historyFolder = ini.GetValue(kHistorySection, "Folder", "");
    const std::string keep = ini.GetValue(kHistorySection, "Keep", "");
    const auto count = ReadCount(keep, 1, kHistoryKeepLimit);
    config.historyKeep = count ? static_cast<int>(*count) : defaults.historyKeep;
    config.historyKeepRefused = count || keep.empty() ? std::string() : keep;
    config.historyEnabled =
        ReadSwitch(ini.GetValue(kHistorySection, "Enabled", "")).value_or(defaults.historyEnabled);
}

void ReadSheet(const CSimpleIniA& ini, ConfigValues& config) {
    config.shopName = ini.GetValue(kSheetSection, "ShopName", "");
    config.shopPhone = ini.GetValue(kSheetSection, "ShopPhone", "");
}

}  // namespace

ConfigLoad LoadConfiguration(const std::string& path, ConfigValues& config, BandLimits& band,
                             std::string* why) {
    CSimpleIniA ini;
    std::optional<IniDocument> lines;
    const FileRead read = LoadIniFile(ini, path, why, &lines);
    if (read != FileRead::Read) {
        // As at a first start: the band, grids, presets and texts take their defaults, while
        // the port and language keep what is in force.
        const ConfigValues defaults;
        const ConfigValues kept = config;
        config = defaults;
        config.portNumber = kept.portNumber;
        config.languageSetting = kept.languageSetting;
        config.autoSearchPort = kept.autoSearchPort;
        band = BandLimits{};
        // A file that is there but could not be read holds settings (the port map among
        // them) that a file of defaults would destroy; and it may not be a file at all.
        if (read == FileRead::Unreadable) {
            return ConfigLoad::Unreadable;
        }
        return WriteFullFile(path, config, band) ? ConfigLoad::Created : ConfigLoad::Failed;
    }
    if (why != nullptr) {
        *why = WhyNotOurs(lines).value_or("");
    }

    const ConfigValues defaults;
    config.portNumber = ReadInt(ini, kConfigSection, "Port", defaults.portNumber);
    config.languageSetting = ReadInt(ini, kConfigSection, "Language", defaults.languageSetting);
    config.autoSearchPort =
        ReadInteger(ini, kConfigSection, "AutoSeachPort", defaults.autoSearchPort) != 0;

    config.channelGridRowHeights = defaults.channelGridRowHeights;
    config.addrBookGridRowHeights = defaults.addrBookGridRowHeights;
    ReadSizes(ini, "ChSG_Row", config.channelGridRowHeights);
    ReadSizes(ini, "ChSG_Col", config.channelGridColumnWidths);
    ReadSizes(ini, "DtmfAbSG_Row", config.addrBookGridRowHeights);
    ReadSizes(ini, "DtmfAbSG_Col", config.addrBookGridColumnWidths);

    for (int i = 0; i < kBandPresetCount; ++i) {
        auto& preset = config.bandPresets[i];
        preset.lower = ReadHz(ini, kBandSection, BandKey(i, "min"), defaults.bandPresets[i].lower);
        preset.upper = ReadHz(ini, kBandSection, BandKey(i, "max"), defaults.bandPresets[i].upper);
    }
    config.bandSelect = ReadInt(ini, kBandSection, "band Selete", defaults.bandSelect);
    band.lower = ReadHz(ini, kBandSection, "band min", BandLimits{}.lower);
    band.upper = ReadHz(ini, kBandSection, "band max", BandLimits{}.upper);

    for (int i = 0; i < 3; ++i) {
        auto& texts = config.languageTexts[i];
        texts.appName = ReadText(ini, kLanguageSections[i], "AppName");
        texts.company = ReadText(ini, kLanguageSections[i], "Company");
    }
    config.productName = TextsOfLanguage(config).appName;
    ReadFiles(ini, config);
    ReadProgramming(ini, config);
    ReadHistory(ini, config);
    ReadWindowSettings(ini, config.windows);
    ReadSheet(ini, config);
    return ConfigLoad::Loaded;
}

std::string ConfigurationPath(const std::string& executableDir,
                              const std::optional<std::string>& override) {
    if (override) {
        return *override;
    }
    if (IsWritableFolder(executableDir) && !IsSystemProgramFolder(executableDir)) {
        return (std::filesystem::path(executableDir) / kConfigFileName).string();
    }
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = std::filesystem::path(home) / ".config";
    } else {
        // Without a home the temporary folder is the last resort; its lookup reports a
        // missing folder by error code here rather than by an exception.
        std::error_code tempError;
        base = std::filesystem::temp_directory_path(tempError);
        if (tempError) {
            base = "/tmp";
        }
    }
    const auto folder = base / "radioprog";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return (folder / kConfigFileName).string();
}

}  // namespace radioprog
