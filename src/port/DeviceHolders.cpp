#include "port/DeviceHolders.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string_view>

namespace radioprog {

namespace {

// The Linux major numbers of the pseudo-terminal device sides: 136..143.
constexpr unsigned kFirstPtySlaveMajor = 136;
constexpr unsigned kPtySlaveMajorCount = 8;

std::optional<int> PtyIndexOf(dev_t device) {
    const unsigned major = ::major(device);
    if (major < kFirstPtySlaveMajor || major >= kFirstPtySlaveMajor + kPtySlaveMajorCount) {
        return std::nullopt;
    }
    return static_cast<int>((major - kFirstPtySlaveMajor) * 256 + ::minor(device));
}

std::optional<pid_t> PidOfEntry(const char* name) {
    char* end = nullptr;
    const long value = std::strtol(name, &end, 10);
    if (end == name || *end != '\0' || value <= 0) {
        return std::nullopt;
    }
    return static_cast<pid_t>(value);
}

bool IsPtyMaster(std::string_view target) {
    return target == "/dev/ptmx" || target == "/dev/pts/ptmx";
}

// The pseudo-terminal a master descriptor belongs to, from its "tty-index:" line.
std::optional<int> MasterIndex(const std::string& fdinfoPath) {
    std::ifstream in(fdinfoPath);
    std::string key;
    while (in >> key) {
        if (key == "tty-index:") {
            int index = -1;
            in >> index;
            return index >= 0 ? std::optional<int>(index) : std::nullopt;
        }
    }
    return std::nullopt;
}

struct ProcessView {
    bool holdsDevice = false;
    bool holdsMaster = false;
};

ProcessView Inspect(const std::string& processDir, dev_t device, std::optional<int> ptyIndex) {
    ProcessView view;
    const std::string fdDir = processDir + "/fd";
    DIR* dir = opendir(fdDir.c_str());
    if (dir == nullptr) {
        return view;
    }
    char target[256];
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        const std::string link = fdDir + "/" + entry->d_name;
        const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
        // Sockets, pipes and anonymous files never name a device; only /dev entries are
        // worth a stat.
        if (n <= 5 || std::string_view(target, 5) != "/dev/") {
            continue;
        }
        const std::string_view name(target, static_cast<size_t>(n));
        if (ptyIndex && IsPtyMaster(name)) {
            if (MasterIndex(processDir + "/fdinfo/" + entry->d_name) == ptyIndex) {
                view.holdsMaster = true;
            }
            continue;
        }
        struct stat info {};
        if (stat(link.c_str(), &info) == 0 && S_ISCHR(info.st_mode) && info.st_rdev == device) {
            view.holdsDevice = true;
        }
    }
    closedir(dir);
    return view;
}

}  // namespace

std::string ProcessName(pid_t pid, const std::string& procRoot) {
    std::ifstream in(procRoot + "/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(in, name);
    return name;
}

std::optional<DeviceHolder> FindOtherHolder(const std::string& devicePath,
                                            const std::string& procRoot) {
    struct stat deviceInfo {};
    if (stat(devicePath.c_str(), &deviceInfo) != 0 || !S_ISCHR(deviceInfo.st_mode)) {
        return std::nullopt;
    }
    const std::optional<int> ptyIndex = PtyIndexOf(deviceInfo.st_rdev);
    DIR* proc = opendir(procRoot.c_str());
    if (proc == nullptr) {
        return std::nullopt;
    }
    const pid_t self = getpid();
    std::optional<DeviceHolder> holder;
    while (const dirent* entry = readdir(proc)) {
        const std::optional<pid_t> pid = PidOfEntry(entry->d_name);
        if (!pid || *pid == self) {
            continue;
        }
        const ProcessView view =
            Inspect(procRoot + "/" + entry->d_name, deviceInfo.st_rdev, ptyIndex);
        if (view.holdsDevice && !view.holdsMaster) {
            holder = DeviceHolder{*pid, ProcessName(*pid, procRoot)};
            break;
        }
    }
    closedir(proc);
    return holder;
}

}  // namespace radioprog
