#include "port/UucpLock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <set>

namespace radioprog {

namespace {

// The lock files this process holds now, so that a second port of ours sees the first.
std::mutex heldMutex;
std::set<std::string> heldPaths;

bool ProcessRuns(pid_t pid) {
    return kill(pid, 0) == 0 || errno == EPERM;
}

bool HeldHere(const std::string& path) {
    std::lock_guard guard(heldMutex);
    return heldPaths.count(path) != 0;
}

// Whether a lock file whose owner cannot be read stays in place. A symbolic link to nothing
// names no process and no program writes its lock that way: it is as stale as a dead owner's
// file and is removed (unlink removes the link, never what it points at). Anything else may be
// another program's lock in a form we do not know, and stays. A file already gone does not.
bool UnownedLockStays(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        return false;
    }
    const bool danglingLink = S_ISLNK(info.st_mode) && access(path.c_str(), F_OK) != 0;
    return !(danglingLink && (unlink(path.c_str()) == 0 || errno == ENOENT));
}

}  // namespace

std::string LockFileName(const std::string& devicePath) {
    std::string name = devicePath;
    if (char* real = realpath(devicePath.c_str(), nullptr)) {
        name = real;
        std::free(real);
    }
    const std::string dev = "/dev/";
    if (name.compare(0, dev.size(), dev) == 0) {
        name.erase(0, dev.size());
    } else {
        name.erase(0, name.find_first_not_of('/'));
    }
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    return "LCK.." + name;
}

std::optional<pid_t> ReadLockOwner(const std::string& lockPath) {
    const int fd = open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    char text[32] = {};
    const ssize_t n = read(fd, text, sizeof text - 1);
    close(fd);
    if (n <= 0) {
        return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    const long pid = std::strtol(text, &end, 10);
    while (end != nullptr && (*end == '\n' || *end == ' ')) {
        ++end;
    }
    if (errno != 0 || end == text || *end != '\0' || pid <= 0 || pid > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<pid_t>(pid);
}

UucpLock::State UucpLock::Take(const std::string& folder, const std::string& devicePath) {
    Release();
    path_ = folder + "/" + LockFileName(devicePath);
    owner_ = 0;
    // A few rounds: a stale file is removed in one and ours written in the next.
    for (int round = 0; round < 3; ++round) {
        const State created = TryCreate();
        if (created != State::HeldByOther) {
            return created;
        }
        const std::optional<pid_t> owner = ReadLockOwner(path_);
        if (!owner) {
            if (UnownedLockStays(path_)) {
                return State::Unreadable;
            }
            continue;  // removed meanwhile by its owner, or by us as stale
        }
        const bool ours = *owner == getpid();
        if ((ours && HeldHere(path_)) || (!ours && ProcessRuns(*owner))) {
            owner_ = *owner;
            return State::HeldByOther;
        }
        // Left by a process that has ended (or by an earlier run that had our id).
        if (unlink(path_.c_str()) != 0 && errno != ENOENT) {
            return State::NotPossible;
        }
    }
    return State::HeldByOther;
}

UucpLock::State UucpLock::TryCreate() {
    // Written under a private name and linked into place, so nobody ever reads a half-written
    // lock and two programs racing for it cannot both win.
    // The folder is usually writable by everyone: mkstemp never follows a planted link.
    std::string temporary = path_ + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return State::NotPossible;
    }
    (void)fchmod(fd, 0644);  // others read the owner from it
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(getpid()));
    const bool written = write(fd, text, static_cast<size_t>(length)) == length;
    close(fd);
    const int linked = written ? link(temporary.c_str(), path_.c_str()) : -1;
    const int linkError = errno;
    unlink(temporary.c_str());
    if (linked == 0) {
        taken_ = true;
        std::lock_guard guard(heldMutex);
        heldPaths.insert(path_);
        return State::Taken;
    }
    return written && linkError == EEXIST ? State::HeldByOther : State::NotPossible;
}

void UucpLock::Release() {
    if (!taken_) {
        return;
    }
    taken_ = false;
    if (ReadLockOwner(path_) == getpid()) {
        unlink(path_.c_str());
    }
    std::lock_guard guard(heldMutex);
    heldPaths.erase(path_);
}

}  // namespace radioprog
