#include "model/AtomicOutputInPlace.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "model/RegularFile.h"

namespace radioprog {

namespace {

FileResult Failure(const std::string& path, const std::string& why) {
    return {false, "Cannot write " + path + ": " + why};
}

// Closes the descriptor on every way out.
class OpenFile {
  public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int Get() const { return fd_; }
    // The result of close(2), which is where some file systems report a full disk.
    int Close() {
        const int result = close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

// Why the file cannot take size bytes without running out of room half way, or nothing. The
// blocks it already has are reused; only what it grows by must be free.
std::optional<std::string> WhyNoRoom(int fd, const struct stat& info, uint64_t size) {
    struct rlimit limit {};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        size > limit.rlim_cur) {
        return "the new contents are larger than this program may make a file";
    }
    const uint64_t allocated = static_cast<uint64_t>(info.st_blocks) * 512;
    if (size <= allocated) {
        return std::nullopt;
    }
    struct statvfs system {};
    if (fstatvfs(fd, &system) != 0) {
        return std::string("the free space cannot be told: ") + std::strerror(errno);
    }
    // Root may use the blocks kept back for it; anyone else only what is available.
    const uint64_t freeBlocks = geteuid() == 0 ? system.f_bfree : system.f_bavail;
    if (size - allocated > freeBlocks * system.f_frsize) {
        return "there is no room on the disk for the new contents";
    }
    return std::nullopt;
}

// Every byte from the start of the file; why not, else nothing.
std::optional<std::string> WriteFromStart(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote =
            pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            return std::strerror(wrote < 0 ? errno : ENOSPC);
        }
        done += static_cast<size_t>(wrote);
    }
    if (ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || fsync(fd) != 0) {
        return std::strerror(errno);
    }
    return std::nullopt;
}

}  // namespace

FileResult RewriteInPlace(const std::string& path, const std::string& target,
                          std::span<const uint8_t> bytes) {
    OpenFile file(open(target.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) {
        return Failure(path, std::strerror(errno));
    }
    struct stat info {};
    if (fstat(file.Get(), &info) != 0) {
        return Failure(path, std::strerror(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return Failure(path, WhyNotRegularFile(info.st_mode));
    }
    const std::string folderRefused =
        "its folder does not let a new copy be made beside it, and rewriting it in place is "
        "not safe: ";
    if (const auto noRoom = WhyNoRoom(file.Get(), info, bytes.size())) {
        return Failure(path, folderRefused + *noRoom + "; the file is unchanged");
    }
    std::optional<std::string> failed = WriteFromStart(file.Get(), bytes);
    if (!failed && file.Close() != 0) {
        failed = std::strerror(errno);
    }
    if (failed) {
        return Failure(
            path, "rewriting it in place failed (" + *failed + "), so it may now be incomplete");
    }
    FileResult written;
    written.notice = path +
                     " was rewritten in place: its folder does not let a new copy be made beside "
                     "it, so a failure while writing could have left it incomplete.";
    return written;
}

}  // namespace radioprog
