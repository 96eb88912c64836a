#include "model/PrivateFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace radioprog {

std::string MakePrivateFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    constexpr mode_t kPrivateFolderMode = 0700;
    fs::path built;
    for (const fs::path& part : fs::path(folder).lexically_normal()) {
        if (part.empty()) {
            continue;
        }
        built /= part;
        struct stat info {};
        if (stat(built.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode)) {
                return std::string("\"").append(built.string()).append("\" is not a folder");
            }
            continue;
        }
        if (mkdir(built.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST) {
            return std::strerror(errno);
        }
    }
    return {};
}

}  // namespace radioprog
