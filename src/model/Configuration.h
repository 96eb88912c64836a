#pragma once
// The configuration file: port choice, language, grid sizes, band presets and working band.
// Key names are spelled as existing files have them ("AutoSeachPort", "band Selete").

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/BandLimits.h"
#include "model/FileResult.h"
#include "model/WindowSettings.h"

namespace radioprog {

inline constexpr int kChannelGridRows = 17;
inline constexpr int kChannelGridColumns = 8;
inline constexpr int kAddrBookGridRows = 17;
inline constexpr int kAddrBookGridColumns = 3;
inline constexpr int kBandPresetCount = 6;
inline constexpr int kDefaultBandSelect = 4;

template <size_t N>
constexpr std::array<int, N> MakeFilled(int value) {
    std::array<int, N> a{};
    a.fill(value);
    return a;
}

struct ConfigLanguageTexts {
    std::string appName = " ";
    std::string company = " ";
};

struct ConfigValues {
    int portNumber = 1;
    int languageSetting = 1;
    bool autoSearchPort = true;
    std::array<int, kChannelGridRows> channelGridRowHeights = MakeFilled<kChannelGridRows>(20);
    std::array<int, kChannelGridColumns> channelGridColumnWidths = {30, 64, 64, 74, 74, 64, 64, 80};
    std::array<int, kAddrBookGridRows> addrBookGridRowHeights = MakeFilled<kAddrBookGridRows>(20);
    std::array<int, kAddrBookGridColumns> addrBookGridColumnWidths = {30, 70, 130};
    std::array<BandLimits, kBandPresetCount> bandPresets = {{{136000000, 174000000},
                                                             {400000000, 490000000},
                                                             {245000000, 246000000},
                                                             {400000000, 480000000},
                                                             {450000000, 520000000},
                                                             {470000000, 520000000}}};
    int bandSelect = kDefaultBandSelect;
    // "chs", "cht", "eng": read and kept; the configured language's name is the product name.
    std::array<ConfigLanguageTexts, 3> languageTexts;
    std::string productName = " ";
    // The projects last opened or saved, newest first, and the folder the last file dialog
    // was left in; kept in a section of our own.
    std::vector<std::string> recentProjects;
    std::string lastFolder;
    // The channel grid shows every field of the record, not only the usual seven columns.
    bool showAllChannelFields = false;
    // A write from the window first keeps the radio's contents in the history, and reads
    // what it wrote back to check it.
    bool backupBeforeWrite = true;
    bool verifyAfterWrite = true;
    // Every read from a radio is kept in a history folder of its own: where (empty: the
    // user's data folder), how many entries, and whether at all.
    std::string historyFolder;
    int historyKeep = 500;
    // Keep= as written when it is no count of entries: while it stands nothing is deleted,
    // and the file keeps it as the user wrote it.
    std::string historyKeepRefused;
    bool historyEnabled = true;
    // Where the windows stood and the theme, in [Windows].
    WindowSettings windows;
    // The shop whose name and phone head every channel sheet; empty: none printed.
    std::string shopName;
    std::string shopPhone;
};

inline constexpr size_t kRecentProjectCount = 8;
inline constexpr int kHistoryKeepLimit = 1000000;

enum class ConfigLoad {
    Loaded,   // the file existed and was read
    Created,  // there was none; one with every key and default was written
    Failed,   // there was none and none could be written; defaults are in force
    // It exists but could not be read (no permission, a folder, a device, a pipe, larger
    // than a configuration can be, not INI): defaults are in force, and the file is left as
    // it is, now and by SaveConfiguration.
    Unreadable,
};

// Reads the file into config and band (the working band comes from "band min"/"band max"),
// key by key: a line that is none (a bare word, a shell command) is passed over. Missing or
// non-numeric keys keep the values config already holds for grids and the documented
// defaults for everything else. why (when given) says what kept the file out; for Loaded, it
// is empty for a file of ours and otherwise says why SaveConfiguration will leave the file
// alone.
ConfigLoad LoadConfiguration(const std::string& path, ConfigValues& config, BandLimits& band,
                             std::string* why = nullptr);

// Writes the values in force back. An existing file is written only when it is ours: made of
// our sections and keys (ConfigurationKeys), comments and blank lines, and not UTF-16; it
// keeps its band presets, texts, comments, the spaces around values and its line ends, and
// only the lines of values that changed are rewritten. A vanished one is recreated with every
// key. Anything else (a file that cannot be read, another program's) is never written over.
FileResult SaveConfiguration(const std::string& path, const ConfigValues& config,
                             const BandLimits& band);

struct ConfigKey {
    std::string section;
    std::string key;
};

// Every key a configuration of ours may hold, section by section, the port map's among them.
std::vector<ConfigKey> ConfigurationKeys();

// Where the configuration file lives: the override if given; else beside the executable when
// that folder is writable and not one of the system's program folders (/usr/bin, ...); else
// $XDG_CONFIG_HOME/radioprog (or ~/.config/radioprog).
std::string ConfigurationPath(const std::string& executableDir,
                              const std::optional<std::string>& override);

}  // namespace radioprog
