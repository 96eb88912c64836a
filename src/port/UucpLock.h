#pragma once
// UUCP lock files: the convention Linux serial programs share to keep off each other's
// lines. A file LCK..<device name> in the lock folder holds the owner's process id as ten
// ASCII digits and a line end; a file naming a process that no longer runs is stale.

#include <sys/types.h>

#include <optional>
#include <string>

namespace radioprog {

inline constexpr const char* kLockFolder = "/run/lock";

// "LCK..ttyUSB0" for /dev/ttyUSB0, "LCK..pts_3" for /dev/pts/3: the device's path below
// /dev with every '/' made '_'. Symbolic links are followed first, so every alias of a device
// names the same lock.
std::string LockFileName(const std::string& devicePath);

class UucpLock {
  public:
    enum class State {
        Taken,        // our lock file is in place until Release
        HeldByOther,  // a live process owns the lock; see Owner
        Unreadable,   // a lock file whose owner cannot be read: left alone, the line is busy
        NotPossible,  // no lock folder we may write to; the line may still be used
    };

    UucpLock() = default;
    ~UucpLock() { Release(); }
    UucpLock(const UucpLock&) = delete;
    UucpLock& operator=(const UucpLock&) = delete;

    // Removes a stale lock (of a dead process, or a symbolic link to nothing), then writes
    // ours atomically. A lock this process already holds for the device counts as held by
    // another owner: two ports of one program must not share a line either.
    State Take(const std::string& folder, const std::string& devicePath);
    // Removes our lock file, and only when it still names us.
    void Release();

    // The live owner when Take answered HeldByOther.
    pid_t Owner() const { return owner_; }
    // The lock file's path once Take has run.
    const std::string& Path() const { return path_; }

  private:
    State TryCreate();

    std::string path_;
    pid_t owner_ = 0;
    bool taken_ = false;
};

// The process id a lock file holds, or nothing when it holds none.
std::optional<pid_t> ReadLockOwner(const std::string& lockPath);

}  // namespace radioprog
