#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <set>

#include "FuzzTargets.h"

namespace radioprog::fuzz {

namespace {

std::set<std::string>& Created() {
    static std::set<std::string> paths;
    return paths;
}

void RemoveCreated() {
    for (const std::string& path : Created()) {
        unlink(path.c_str());
    }
}

}  // namespace

std::string ScratchPath(std::string_view name) {
    static const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string path =
        folder + "/radioprog-fuzz-" + std::to_string(getpid()) + "-" + std::string(name);
    if (Created().insert(path).second && Created().size() == 1) {
        std::atexit(RemoveCreated);
    }
    return path;
}

std::string ScratchFile(std::string_view name, std::span<const uint8_t> contents) {
    std::string path = ScratchPath(name);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    FUZZ_CHECK(fd >= 0);
    size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = write(fd, contents.data() + written, contents.size() - written);
        FUZZ_CHECK(n > 0);
        written += static_cast<size_t>(n);
    }
    close(fd);
    return path;
}

}  // namespace radioprog::fuzz
