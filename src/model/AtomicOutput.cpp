#include "cli/AtomicOutput.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace radioprog::cli {

namespace {

std::string FolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

FileResult Failure(const std::string& path, const std::string& why) {
    return {false, "Cannot write " + path + ": " + why};
}

}  // namespace

FileResult CheckOutputWritable(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return Failure(path, "it is a folder");
    }
    const std::string folder = FolderOf(path);
    if (access(folder.c_str(), W_OK | X_OK) != 0) {
        return Failure(path, std::strerror(errno));
    }
    return {};
}

FileResult WriteAtomically(const std::string& path,
                           const std::function<FileResult(const std::string&)>& save) {
    const std::string pattern =
        FolderOf(path) + "/." + std::filesystem::path(path).filename().string() + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        return Failure(path, std::strerror(errno));
    }
    // mkstemp makes the file private; give it the mode any new file of the user would get.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    const std::string temporary(name.data());
    FileResult saved = save(temporary);
    if (!saved) {
        std::remove(temporary.c_str());
        return saved;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        std::remove(temporary.c_str());
        return Failure(path, why);
    }
    return {};
}

}  // namespace radioprog::cli
