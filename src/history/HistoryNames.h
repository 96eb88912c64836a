#pragma once
// The names of history entries, written and read back. Only a name this reader accepts is an
// entry; everything else in the folder belongs to someone else.

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/RadioHistory.h"

namespace radioprog {

struct EntryName {
    HistoryTime time;
    RadioKind kind = RadioKind::S;
    HistoryJob job = HistoryJob::Read;
    LastWriteTime radioStamp;
    int sequence = 1;
};

// The kinds and jobs a name can hold.
inline constexpr std::array kEntryKinds = {RadioKind::S, RadioKind::Y, RadioKind::Legacy};
inline constexpr std::array kEntryJobs = {HistoryJob::Read, HistoryJob::CalibrationRead,
                                          HistoryJob::Backup, HistoryJob::CalibrationBackup};

// ".Vkf" for projects, ".vkfa" for calibration files, as the windows save them.
std::string_view EntryExtension(HistoryJob job);
// Further reads in one second are numbered up to this; a name stays short.
inline constexpr int kLastEntrySequence = 9999;
// A radio stamp that does not fit the name's fields (an erased record reads all ones) is
// left out, so that every name made here reads back.
std::string EntryFileName(const EntryName& name);
std::optional<EntryName> ParseEntryFileName(std::string_view fileName);

}  // namespace radioprog

namespace radioprog {

struct FoundEntry {
    std::string path;
    EntryName name;
    struct timespec written {};  // orders entries of one second that differ in kind or job
};

// The entries of folder (regular files with an entry's name), newest first.
std::vector<FoundEntry> EntriesIn(const std::string& folder);

}  // namespace radioprog
