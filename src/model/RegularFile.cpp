#include "model/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace radioprog {

namespace {

RegularFileContents Refused(FileRead status, std::string why) {
    RegularFileContents result;
    result.status = status;
    result.why = std::move(why);
    return result;
}

}  // namespace

std::string WhyNotRegularFile(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "it is a folder";
    }
    if (S_ISFIFO(mode)) {
        return "it is a pipe, not a file";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "it is a device, not a file";
    }
    return "it is not a regular file";
}

namespace {

// Closes the descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

RegularFileContents ReadRegularFile(const std::string& path, size_t maxBytes, LongerFile longer) {
    if (path.empty()) {
        return Refused(FileRead::Missing, "no file name given");
    }
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer for ever.
    const Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        const int error = errno;
        return Refused(error == ENOENT ? FileRead::Missing : FileRead::Unreadable,
                       std::strerror(error));
    }
    struct stat info {};
    if (fstat(file.Get(), &info) != 0) {
        return Refused(FileRead::Unreadable, std::strerror(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return Refused(FileRead::Unreadable, WhyNotRegularFile(info.st_mode));
    }
    const auto tooLarge = [&] {
        return Refused(FileRead::Unreadable,
                       "it is larger than " + std::to_string(maxBytes) + " bytes");
    };
    // The size is checked before reading, so a huge (or sparse) file is never read into memory.
    if (longer == LongerFile::Refuse && static_cast<uintmax_t>(info.st_size) > maxBytes) {
        return tooLarge();
    }
    const int flags = fcntl(file.Get(), F_GETFL);
    fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK);

    // Reading one byte past the limit tells a file that grew (or a /proc file, whose size
    // reads 0) from one that fits.
    RegularFileContents result;
    uint8_t chunk[16384];
    while (result.bytes.size() <= maxBytes) {
        const size_t wanted = std::min(sizeof chunk, maxBytes + 1 - result.bytes.size());
        const ssize_t n = read(file.Get(), chunk, wanted);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return Refused(FileRead::Unreadable, std::strerror(errno));
        }
        if (n == 0) {
            break;
        }
        result.bytes.insert(result.bytes.end(), chunk, chunk + n);
    }
    size_t filled = result.bytes.size();
    if (filled > maxBytes) {
        if (longer == LongerFile::Refuse) {
            return tooLarge();
        }
        filled = maxBytes;
    }
    result.bytes.resize(filled);
    return result;
}

}  // namespace radioprog
