#pragma once
// The history of reads: every successful read from a radio is kept as a file of its own in
// one folder, so that no radio's old data is ever lost to a write, even a radio never saved
// here by hand. A project entry is byte for byte the project file Save would write, a
// calibration entry the calibration file, so either opens as any other file does.
//
// An entry's name says when it was kept, from which kind of radio and by which job, and for
// a project the radio's own last programming time, which the project file does not hold:
//
//   2026-12-07_16-45-12_Y_read_w2026-11-30-09-15.Vkf
//   2026-12-07_16-45-12_S_calibration-read.vkfa
//   2026-12-07_16-45-12_legacy_read_2.Vkf          (the second read in that second)
//
// Names sort by the time they were kept. Only files named so are entries: the folder may hold
// anything else (the programming log among them), and nothing else is ever deleted.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calibration/CalibrationData.h"
#include "model/BandLimits.h"
#include "model/Configuration.h"
#include "model/FileResult.h"
#include "model/LastWriteTime.h"
#include "model/ProjectImage.h"
#include "session/RadioKind.h"

namespace radioprog {

enum class HistoryJob { Read, CalibrationRead, Backup, CalibrationBackup };
// "read", "calibration-read", "backup", "calibration-backup"
std::string_view HistoryJobName(HistoryJob job);
bool IsCalibrationJob(HistoryJob job);

struct HistorySettings {
    bool enabled = true;
    std::string folder;  // never empty once resolved
    size_t keep = 500;
    // The limit as configured when it was no count of entries: nothing is trimmed, and each
    // keeping says why.
    std::string keepRefused = {};
};

// $XDG_DATA_HOME/radioprog/history, else ~/.local/share/radioprog/history
std::string DefaultHistoryFolder();
// From the configuration's keys (empty folder key = the default folder).
HistorySettings HistorySettingsOf(const ConfigValues& config);

// A local date and time to the second, as an entry's name holds it.
struct HistoryTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend auto operator<=>(const HistoryTime&, const HistoryTime&) = default;
};
HistoryTime LocalHistoryTime(std::time_t when);

// What is known about a read beside its data.
struct HistoryRecord {
    HistoryJob job = HistoryJob::Read;
    RadioKind kind = RadioKind::S;
    LastWriteTime radioStamp;         // the radio's last programming time; zero when it has none
    std::optional<std::time_t> when;  // when it was kept; nothing: now
};

struct HistoryEntry {
    std::string path;
    HistoryTime time;
    int sequence = 1;  // 2, 3, ... for further reads in the same second
    RadioKind kind = RadioKind::S;
    HistoryJob job = HistoryJob::Read;
    LastWriteTime radioStamp;  // projects: the radio's last programming time, zero if none
    // Projects: the working band and the channels in use.
    BandLimits band;
    int channelsInUse = 0;
    // Projects: the receive and transmit frequencies (Hz) of the channels in use.
    std::vector<uint32_t> channelFrequencies;
    // Calibration files: the frequencies (whole MHz) of the calibration points in use.
    std::vector<int> calibrationPointsMhz;
    // What the user wrote about the entry, kept beside it (see HistoryLabel.h); empty: none.
    std::string label;
    // When the file was written. Unlike the name's local time it does not move with the time
    // zone, so it is what trimming goes by.
    struct timespec written {};
};

// The entries of folder, newest first by name. A file whose name is no entry's, or whose
// contents are not what its name says, is no entry: it is neither listed nor ever deleted.
// A missing folder has none.
std::vector<HistoryEntry> ListHistory(const std::string& folder);

}  // namespace radioprog

namespace radioprog {

// How an entry's values read, the same in the windows and on the command line.
std::string HistoryTimeText(const HistoryTime& time);            // "2026-12-07 16:45:12"
std::string RadioStampText(const LastWriteTime& stamp);          // "2026-11-30 09:15"; "" if none
std::string HistoryBandText(const BandLimits& band);             // "400-480 MHz", "136.5-174 MHz"
std::string CalibrationPointsText(const std::vector<int>& mhz);  // "136, 155, 174 MHz"

}  // namespace radioprog
