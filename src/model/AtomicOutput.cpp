#include "model/AtomicOutput.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "model/AtomicOutputInPlace.h"
#include "model/RegularFile.h"

namespace radioprog {

namespace {

namespace fs = std::filesystem;

FileResult Failure(const std::string& path, const std::string& why) {
    return {false, "Cannot write " + path + ": " + why};
}

std::string FolderOf(const fs::path& path) {
    const fs::path parent = path.parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// Where a write to path lands: path itself, or the end of the chain of symbolic links it
// starts, even when that end does not exist yet (the file is then created there).
struct Target {
    fs::path path;
    std::optional<struct stat> existing;  // nothing when no file is there yet
    int error = 0;                        // errno of a failed look-up
};

Target Resolve(const std::string& given) {
    Target target{given, std::nullopt, 0};
    // The system's own limit on links in one look-up.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (lstat(target.path.c_str(), &info) != 0) {
            target.error = errno == ENOENT ? 0 : errno;
            return target;
        }
        if (!S_ISLNK(info.st_mode)) {
            target.existing = info;
            return target;
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(target.path, error);
        if (error) {
            target.error = error.value();
            return target;
        }
        target.path = next.is_absolute() ? next : target.path.parent_path() / next;
    }
    target.error = ELOOP;
    return target;
}

// Why a write to target cannot work, or nothing.
std::optional<std::string> RefusalOf(const Target& target) {
    if (target.error != 0) {
        return std::string(std::strerror(target.error));
    }
    if (target.existing && !S_ISREG(target.existing->st_mode)) {
        return WhyNotRegularFile(target.existing->st_mode);
    }
    struct statfs system {};
    if (statfs(FolderOf(target.path).c_str(), &system) == 0 &&
        (system.f_type == PROC_SUPER_MAGIC || system.f_type == SYSFS_MAGIC)) {
        return std::string("it is under /proc or /sys, which hold the system's state, not files");
    }
    return std::nullopt;
}

long NameMax(const std::string& folder) {
    const long limit = pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? limit : NAME_MAX;
}

// Creates a private temporary file beside target; its descriptor, or -1 with errno set.
// A name near the folder's limit still gets a temporary name: its start is shortened.
int MakeTemporary(const fs::path& target, std::string& temporary) {
    const std::string folder = FolderOf(target);
    const std::string name = target.filename().string();
    const size_t limit = static_cast<size_t>(NameMax(folder));
    if (name.size() > limit) {
        errno = ENAMETOOLONG;
        return -1;
    }
    constexpr size_t kDecoration = 8;  // "." in front, ".XXXXXX" behind
    const std::string stem = name.substr(0, std::min(name.size(), limit - kDecoration));
    std::string pattern = folder + "/." + stem + ".XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    temporary = pattern;
    return fd;
}

// The replaced file's mode and, where allowed, its owner; a new file gets the mode asked for,
// or else the mode any new file of the user would get (mkstemp makes it private).
void TakeOverAttributes(int fd, const Target& target, std::optional<mode_t> newFileMode) {
    if (target.existing) {
        const struct stat& old = *target.existing;
        // Only root may give a file away; anyone may keep a group they belong to.
        const uid_t owner = geteuid() == 0 ? old.st_uid : static_cast<uid_t>(-1);
        if (fchown(fd, owner, old.st_gid) != 0) {
            // Not a member of the old group: the file keeps ours, as a new file would.
        }
        fchmod(fd, old.st_mode & 0777);
        return;
    }
    if (newFileMode) {
        fchmod(fd, *newFileMode & 0777);
        return;
    }
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
}

// The content on disk before the rename, so that a crash never leaves an empty file behind
// the new name.
void SyncToDisk(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// The saver reports on the path it was given; the user knows only their own name.
std::string NamingTheTarget(std::string message, const std::string& temporary,
                            const std::string& given) {
    for (size_t at = message.find(temporary); at != std::string::npos;
         at = message.find(temporary, at + given.size())) {
        message.replace(at, temporary.size(), given);
    }
    return message;
}

// Finds the target of path and creates the temporary file beside it, with the attributes the
// result must have; or says, naming path, why the target cannot take a file. folderError is
// the errno of a temporary that could not be created, 0 otherwise.
FileResult PrepareTemporary(const std::string& path, Target& target, std::string& temporary,
                            std::optional<mode_t> newFileMode, int& folderError) {
    folderError = 0;
    if (path.empty()) {
        return {false, "No output file name given"};
    }
    target = Resolve(path);
    if (const auto refusal = RefusalOf(target)) {
        return Failure(path, *refusal);
    }
    const int fd = MakeTemporary(target.path, temporary);
    if (fd < 0) {
        folderError = errno;
        return Failure(path, std::strerror(folderError));
    }
    TakeOverAttributes(fd, target, newFileMode);
    close(fd);
    return {};
}

// A folder that refuses new names (read-only to us, or sticky and another user's file) can
// still hold a file we may write: then the file itself can be rewritten.
bool FolderRefusedButFileWritable(int error, const Target& target) {
    return (error == EACCES || error == EPERM) && target.existing &&
           access(target.path.c_str(), W_OK) == 0;
}

// The saver's work renamed over the target; errno of a failed rename in renameError.
FileResult ReplaceWithTemporary(const std::string& path, const Target& target,
                                const std::string& temporary,
                                const std::function<FileResult(const std::string&)>& save,
                                int& renameError) {
    renameError = 0;
    FileResult saved = save(temporary);
    if (!saved) {
        std::remove(temporary.c_str());
        saved.message = NamingTheTarget(saved.message, temporary, path);
        return saved;
    }
    SyncToDisk(temporary);
    if (std::rename(temporary.c_str(), target.path.c_str()) != 0) {
        renameError = errno;
        std::remove(temporary.c_str());
        return Failure(path, std::strerror(renameError));
    }
    return {};
}

}  // namespace

FileResult CheckOutputWritable(const std::string& path) {
    Target target;
    std::string probe;
    int folderError = 0;
    FileResult prepared = PrepareTemporary(path, target, probe, std::nullopt, folderError);
    if (prepared) {
        unlink(probe.c_str());
    } else if (FolderRefusedButFileWritable(folderError, target)) {
        return {};  // the bytes will be written over the file itself
    }
    return prepared;
}

FileResult WriteAtomically(const std::string& path,
                           const std::function<FileResult(const std::string&)>& save,
                           std::optional<mode_t> newFileMode) {
    Target target;
    std::string temporary;
    int error = 0;
    if (FileResult prepared = PrepareTemporary(path, target, temporary, newFileMode, error);
        !prepared) {
        return prepared;
    }
    return ReplaceWithTemporary(path, target, temporary, save, error);
}

namespace {

// Every byte or why not; write(2) may take less than it was given.
FileResult WriteAll(const std::string& path, std::span<const uint8_t> bytes) {
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        return {false, "Cannot write \"" + path + "\": " + std::strerror(errno)};
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            // A write that takes nothing without an error is a full device too.
            const int error = wrote < 0 ? errno : ENOSPC;
            close(fd);
            return {false, "Cannot write \"" + path + "\": " + std::strerror(error)};
        }
        done += static_cast<size_t>(wrote);
    }
    // Some file systems report a full disk only when the file is closed.
    if (close(fd) != 0) {
        return {false, "Cannot write \"" + path + "\": " + std::strerror(errno)};
    }
    return {};
}

}  // namespace

FileResult WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                               std::optional<mode_t> newFileMode) {
    Target target;
    std::string temporary;
    int error = 0;
    FileResult result = PrepareTemporary(path, target, temporary, newFileMode, error);
    if (result) {
        result = ReplaceWithTemporary(
            path, target, temporary,
            [bytes](const std::string& given) { return WriteAll(given, bytes); }, error);
    }
    if (!result && FolderRefusedButFileWritable(error, target)) {
        return RewriteInPlace(path, target.path.string(), bytes);
    }
    return result;
}

FileResult WriteFileAtomically(const std::string& path, const std::string& text) {
    return WriteFileAtomically(
        path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace radioprog
