// Writing the configuration back: only a file that is ours, and only the lines that changed.
#include <algorithm>
#include <string_view>

#include "model/AtomicOutput.h"
#include "model/Configuration.h"
#include "model/ConfigurationLayout.h"
#include "model/IniFile.h"
#include "model/WindowSettings.h"

namespace radioprog {

using namespace config_layout;

namespace {

void WriteInteger(IniDocument& ini, const char* section, const std::string& key, long value) {
    ini.Set(section, key, std::to_string(value));
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

// The programming window's safety net is on unless it was switched off, and only that is kept.
void WriteProgramming(IniDocument& ini, const ConfigValues& config) {
    const auto offOnly = [](bool on) {
        return on ? std::nullopt : std::optional<std::string>("0");
    };
    SetOrRemove(ini, kProgrammingSection, "BackupBeforeWrite", offOnly(config.backupBeforeWrite));
    SetOrRemove(ini, kProgrammingSection, "VerifyAfterWrite", offOnly(config.verifyAfterWrite));
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

// Only what the user set: a shop without a name writes no key.
void WriteSheet(IniDocument& ini, const ConfigValues& config) {
    const auto kept = [](const std::string& value) {
        return value.empty() || !FitsOnAnIniLine(value) ? std::nullopt : std::optional(value);
    };
    SetOrRemove(ini, kSheetSection, "ShopName", kept(config.shopName));
    SetOrRemove(ini, kSheetSection, "ShopPhone", kept(config.shopPhone));
}

FileResult NotWritten(const std::string& path, const std::string& why) {
    return {false, "The configuration " + path + " is not written: " + why};
}

}  // namespace

namespace config_layout {

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
    WriteSheet(ini, config);
    WriteWindowSettings(ini, config.windows);
    return WriteIniFile(ini, path);
}

}  // namespace config_layout

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
    WriteSheet(ini, config);
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
    add(kSheetSection, "ShopName");
    add(kSheetSection, "ShopPhone");
    for (const std::string& key : WindowSettingKeys()) {
        add(kWindowsSection, key);
    }
    addNumbered(kPortsSection, "COM", kFirstConfigPort, kConfigPortCount);
    return keys;
}

}  // namespace radioprog
