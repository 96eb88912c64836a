#pragma once
// The names of history entries, written and read back. Only a name this reader accepts is an
// entry; everything else in the folder belongs to someone else.

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

// ".Vkf" for projects, ".vkfa" for calibration files, as the windows save them.
std::string_view EntryExtension(HistoryJob job);
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
