#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "history/HistoryKeep.h"
#include "history/HistoryNames.h"

namespace radioprog {

FileResult TrimHistory(const std::string& folder, size_t keep) {
    const std::vector<FoundEntry> entries = EntriesIn(folder);
    FileResult result;
    for (size_t i = keep; i < entries.size(); ++i) {
        if (unlink(entries[i].path.c_str()) != 0 && errno != ENOENT && result.ok) {
            result = {false, "Cannot delete the old history entry \"" + entries[i].path +
                                 "\": " + std::strerror(errno)};
        }
    }
    return result;
}

}  // namespace radioprog
