#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "history/HistoryNames.h"

namespace radioprog {

std::vector<FoundEntry> EntriesIn(const std::string& folder) {
    std::vector<FoundEntry> found;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir) {
        return found;
    }
    while (const dirent* item = readdir(dir.get())) {
        auto name = ParseEntryFileName(item->d_name);
        if (!name) {
            continue;
        }
        std::string path = folder + "/" + item->d_name;
        // A link or a folder under an entry's name was put there by someone else.
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
            continue;
        }
        found.push_back({std::move(path), *name, info.st_mtim});
    }
    std::sort(found.begin(), found.end(), [](const FoundEntry& a, const FoundEntry& b) {
        if (a.name.time != b.name.time) {
            return a.name.time > b.name.time;
        }
        if (a.name.sequence != b.name.sequence) {
            return a.name.sequence > b.name.sequence;
        }
        if (a.written.tv_sec != b.written.tv_sec) {
            return a.written.tv_sec > b.written.tv_sec;
        }
        if (a.written.tv_nsec != b.written.tv_nsec) {
            return a.written.tv_nsec > b.written.tv_nsec;
        }
        return a.path > b.path;
    });
    return found;
}

}  // namespace radioprog
