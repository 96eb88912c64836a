#include "model/Configuration.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "model/AtomicOutput.h"
#include "model/ConfigWords.h"
#include "model/IniFile.h"

namespace radioprog {

namespace {

constexpr const char* kConfigSection = "config";
constexpr const char* kControlSection = "control";
constexpr const char* kBandSection = "Band";
constexpr const char* kLanguageSections[3] = {"chs", "cht", "eng"};
constexpr const char* kFilesSection = "Files";
constexpr const char* kViewSection = "View";
constexpr const char* kProgrammingSection = "Programming";
constexpr const char* kHistorySection = "History";
// The hand-made port map: COM1 to COM9 = a device path.
constexpr const char* kPortsSection = "ports";
constexpr int kFirstConfigPort = 1;
constexpr int kConfigPortCount = 9;
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

void WriteInteger(IniDocument& ini, const char* section, const std::string& key, long value) {
    ini.Set(section, key, std::to_string(value));
}

std::string BandKey(int preset, const char* bound) {
    return "band-" + std::to_string(preset + 1) + " " + bound;
}

template <size_t N>
void ReadSizes(const CSimpleIniA& ini, const std::string& prefix, std::array<int, N>& sizes) {
    for (size_t i = 0; i < N; ++i) {
        sizes[i] = ReadInt(ini, kControlSection, prefix + std::to_string(i), sizes[i]);
    }
}

template <size_t N>
void WriteSizes(IniDocument& ini, const std::string& prefix, const std::array<int, N>& sizes) {
    for (size_t i = 0; i < N; ++i) {
        WriteInteger(ini, kControlSection, prefix + std::to_string(i), sizes[i]);
    }
}

void WritePortAndLanguage(IniDocument& ini, const ConfigValues& config) {
    WriteInteger(ini, kConfigSection, "Port", config.portNumber);
    WriteInteger(ini, kConfigSection, "Language", config.languageSetting);
    WriteInteger(ini, kConfigSection, "AutoSeachPort", config.autoSearchPort ? 1 : 0);
}

void WriteGridSizes(IniDocument& ini, const ConfigValues& config) {
    WriteSizes(ini, "ChSG_Row", config.channelGridRowHeights);
    WriteSizes(ini, "ChSG_Col", config.channelGridColumnWidths);
    WriteSizes(ini, "DtmfAbSG_Row", config.addrBookGridRowHeights);
    WriteSizes(ini, "DtmfAbSG_Col", config.addrBookGridColumnWidths);
}

void WriteBandPresets(IniDocument& ini, const ConfigValues& config) {
    for (int i = 0; i < kBandPresetCount; ++i) {
        WriteInteger(ini, kBandSection, BandKey(i, "min"), config.bandPresets[i].lower);
        WriteInteger(ini, kBandSection, BandKey(i, "max"), config.bandPresets[i].upper);
    }
}

void WriteWorkingBand(IniDocument& ini, const ConfigValues& config, const BandLimits& band) {
    WriteInteger(ini, kBandSection, "band Selete", config.bandSelect);
    WriteInteger(ini, kBandSection, "band min", band.lower);
    WriteInteger(ini, kBandSection, "band max", band.upper);
}

void WriteLanguageTexts(IniDocument& ini, const ConfigValues& config) {
    for (int i = 0; i < 3; ++i) {
        ini.Set(kLanguageSections[i], "AppName", config.languageTexts[i].appName);
        ini.Set(kLanguageSections[i], "Company", config.languageTexts[i].company);
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

// The file appears whole or not at all: a full disk must not cut the port map off it.
FileResult WriteIniFile(const IniDocument& ini, const std::string& path) {
    return WriteFileAtomically(path, ini.Text());
}

// A file name may hold a line break, which no INI line can, or the end-of-file mark, after
// which readers see nothing: written, it would cut the file into lines that are no keys.
bool FitsOnAnIniLine(const std::string& value) {
    return value.find_first_of("\r\n\x1A") == std::string::npos;
}

// Sets key, or removes it when there is nothing to keep.
void SetOrRemove(IniDocument& ini, const char* section, const std::string& key,
                 const std::optional<std::string>& value) {
    if (value) {
        ini.Set(section, key, *value);
    } else {
        ini.Remove(section, key);
    }
}

// Only what there is: a configuration that never saw a file keeps the keys it always had.
void WriteFiles(IniDocument& ini, const ConfigValues& config) {
    std::vector<std::string> recent;
    for (const std::string& path : config.recentProjects) {
        if (recent.size() < kRecentProjectCount && FitsOnAnIniLine(path)) {
            recent.push_back(path);
        }
    }
    for (size_t i = 0; i < kRecentProjectCount; ++i) {
        SetOrRemove(ini, kFilesSection, "Recent" + std::to_string(i + 1),
                    i < recent.size() ? std::optional(recent[i]) : std::nullopt);
    }
    const bool keepFolder = !config.lastFolder.empty() && FitsOnAnIniLine(config.lastFolder);
    SetOrRemove(ini, kFilesSection, "LastFolder",
                keepFolder ? std::optional(config.lastFolder) : std::nullopt);
    SetOrRemove(ini, kViewSection, "AllChannelFields",
                config.showAllChannelFields ? std::optional<std::string>("1") : std::nullopt);
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

// The programming window's safety net is on unless it was switched off, and only that is kept.
void WriteProgramming(IniDocument& ini, const ConfigValues& config) {
    const auto offOnly = [](bool on) {
        return on ? std::nullopt : std::optional<std::string>("0");
    };
    SetOrRemove(ini, kProgrammingSection, "BackupBeforeWrite", offOnly(config.backupBeforeWrite));
    SetOrRemove(ini, kProgrammingSection, "VerifyAfterWrite", offOnly(config.verifyAfterWrite));
}

void ReadProgramming(const CSimpleIniA& ini, ConfigValues& config) {
    config.backupBeforeWrite = ini.GetLongValue(kProgrammingSection, "BackupBeforeWrite", 1) != 0;
    config.verifyAfterWrite = ini.GetLongValue(kProgrammingSection, "VerifyAfterWrite", 1) != 0;
}

// Every key, defaults too, so that whoever opens the file finds where reads are kept and how
// to change it.
void WriteHistory(IniDocument& ini, const ConfigValues& config) {
    const std::string folder = FitsOnAnIniLine(config.historyFolder) ? config.historyFolder : "";
    ini.Set(kHistorySection, "Folder", folder);
    // A refused limit goes back as the user wrote it: a default written in its place would
    // start deleting on the next run.
    if (config.historyKeepRefused.empty()) {
        WriteInteger(ini, kHistorySection, "Keep", config.historyKeep);
    } else {
        ini.Set(kHistorySection, "Keep", config.historyKeepRefused);
    }
    WriteInteger(ini, kHistorySection, "Enabled", config.historyEnabled ? 1 : 0);
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

// Why the file is not ours to write, or nothing: it holds only our sections and keys, with
// comments and blank lines. A UTF-16 file has no lines we could write back as they were.
std::optional<std::string> WhyNotOurs(const std::optional<IniDocument>& lines) {
    if (!lines) {
        return "it is a UTF-16 file, which is read but not written";
    }
    static const std::vector<ConfigKey> ours = ConfigurationKeys();
    const auto isOurs = [](std::string_view section, std::string_view key) {
        return std::any_of(ours.begin(), ours.end(), [&](const ConfigKey& owned) {
            return SameIniName(owned.section, section) &&
                   (key.empty() || SameIniName(owned.key, key));
        });
    };
    if (const auto line = lines->FirstLineNotOurs(isOurs)) {
        return *line +
               " is none of our sections, keys or comments, so the file may belong to "
               "someone else";
    }
    return std::nullopt;
}

FileResult NotWritten(const std::string& path, const std::string& why) {
    return {false, "The configuration " + path + " is not written: " + why};
}

// Writes every key: the file a first start (or a vanished file at exit) produces.
FileResult WriteFullFile(const std::string& path, const ConfigValues& config,
                         const BandLimits& band) {
    IniDocument ini;
    WritePortAndLanguage(ini, config);
    WriteGridSizes(ini, config);
    WriteBandPresets(ini, config);
    WriteWorkingBand(ini, config, band);
    WriteLanguageTexts(ini, config);
    WriteFiles(ini, config);
    WriteProgramming(ini, config);
    WriteHistory(ini, config);
    WriteWindowSettings(ini, config.windows);
    return WriteIniFile(ini, path);
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
    return ConfigLoad::Loaded;
}

FileResult SaveConfiguration(const std::string& path, const ConfigValues& config,
                             const BandLimits& band) {
    CSimpleIniA values;
    std::optional<IniDocument> lines;
    std::string why;
    const FileRead read = LoadIniFile(values, path, &why, &lines);
    // Never written over: a file that could not be read, or holds more than our settings, is
    // not ours to replace.
    if (read == FileRead::Unreadable) {
        return NotWritten(path, why);
    }
    if (read == FileRead::Missing) {
        ConfigValues recreated = config;
        const ConfigValues defaults;
        recreated.channelGridRowHeights = defaults.channelGridRowHeights;
        recreated.channelGridColumnWidths = defaults.channelGridColumnWidths;
        recreated.addrBookGridRowHeights = defaults.addrBookGridRowHeights;
        recreated.addrBookGridColumnWidths = defaults.addrBookGridColumnWidths;
        recreated.bandPresets = defaults.bandPresets;
        recreated.languageTexts = defaults.languageTexts;
        return WriteFullFile(path, recreated, band);
    }
    if (const auto notOurs = WhyNotOurs(lines)) {
        return NotWritten(path, *notOurs);
    }
    IniDocument& ini = *lines;
    WritePortAndLanguage(ini, config);
    WriteWorkingBand(ini, config, band);
    WriteGridSizes(ini, config);
    WriteFiles(ini, config);
    WriteProgramming(ini, config);
    WriteHistory(ini, config);
    WriteWindowSettings(ini, config.windows);
    return WriteIniFile(ini, path);
}

std::vector<ConfigKey> ConfigurationKeys() {
    std::vector<ConfigKey> keys;
    const auto add = [&](const char* section, const std::string& key) {
        keys.push_back({section, key});
    };
    const auto addNumbered = [&](const char* section, const std::string& prefix, int first,
                                 int count) {
        for (int i = first; i < first + count; ++i) {
            add(section, prefix + std::to_string(i));
        }
    };
    for (const char* key : {"Port", "Language", "AutoSeachPort"}) {
        add(kConfigSection, key);
    }
    addNumbered(kControlSection, "ChSG_Row", 0, kChannelGridRows);
    addNumbered(kControlSection, "ChSG_Col", 0, kChannelGridColumns);
    addNumbered(kControlSection, "DtmfAbSG_Row", 0, kAddrBookGridRows);
    addNumbered(kControlSection, "DtmfAbSG_Col", 0, kAddrBookGridColumns);
    for (int i = 0; i < kBandPresetCount; ++i) {
        add(kBandSection, BandKey(i, "min"));
        add(kBandSection, BandKey(i, "max"));
    }
    for (const char* key : {"band Selete", "band min", "band max"}) {
        add(kBandSection, key);
    }
    for (const char* section : kLanguageSections) {
        add(section, "AppName");
        add(section, "Company");
    }
    addNumbered(kFilesSection, "Recent", 1, static_cast<int>(kRecentProjectCount));
    add(kFilesSection, "LastFolder");
    add(kViewSection, "AllChannelFields");
    add(kProgrammingSection, "BackupBeforeWrite");
    add(kProgrammingSection, "VerifyAfterWrite");
    for (const char* key : {"Folder", "Keep", "Enabled"}) {
        add(kHistorySection, key);
    }
    addNumbered(kPortsSection, "COM", kFirstConfigPort, kConfigPortCount);
    for (const std::string& key : WindowSettingKeys()) {
        add(kWindowsSection, key);
    }
    return keys;
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
