#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "history/HistoryKeep.h"
#include "history/HistoryLabel.h"

namespace radioprog {

namespace {

bool WrittenLater(const HistoryEntry& a, const HistoryEntry& b) {
    if (a.written.tv_sec != b.written.tv_sec) {
        return a.written.tv_sec > b.written.tv_sec;
    }
    return a.written.tv_nsec > b.written.tv_nsec;
}

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

FileResult TrimHistory(const std::string& folder, size_t keep, const std::string& justKept) {
    // Only what the listing shows is an entry, so nothing is deleted that the user could not
    // have seen and opened as one.
    std::vector<HistoryEntry> entries = ListHistory(folder);
    // Newest written first: the names' local times jump with a change of time zone. Entries
    // written in one instant keep the listing's order.
    std::stable_sort(entries.begin(), entries.end(), WrittenLater);
    // Whatever the clock said before, the entry just kept has been reported as kept.
    const std::string keptName = FileName(justKept);
    std::stable_partition(entries.begin(), entries.end(), [&keptName](const HistoryEntry& entry) {
        return !keptName.empty() && FileName(entry.path) == keptName;
    });
    FileResult result;
    for (size_t i = keep; i < entries.size(); ++i) {
        if (unlink(entries[i].path.c_str()) != 0 && errno != ENOENT) {
            if (result.ok) {
                result = {false, "Cannot delete the old history entry \"" + entries[i].path +
                                     "\": " + std::strerror(errno)};
            }
            // The entry stays listed, so its label stays with it.
            continue;
        }
        RemoveHistoryLabel(entries[i].path);
    }
    return result;
}

}  // namespace radioprog
