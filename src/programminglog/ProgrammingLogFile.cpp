#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "model/PrivateFolder.h"
#include "model/RegularFile.h"
#include "programminglog/ProgrammingLog.h"
#include "programminglog/ProgrammingLogRow.h"

namespace radioprog {

namespace {

constexpr const char* kLogName = "programming-log.csv";

FileResult FolderFailure(const std::string& folder, const std::string& why) {
    return {false, "Cannot create the folder \"" + folder + "\" for the programming log: " + why};
}

FileResult FileFailure(const std::string& path, const std::string& why) {
    return {false, "Cannot add to the programming log \"" + path + "\": " + why};
}

FileResult MakeFolder(const std::string& folder) {
    const std::string why = MakePrivateFolder(folder);
    return why.empty() ? FileResult{} : FolderFailure(folder, why);
}

// Waits for any other program appending to the log, so that the header check, the line-end
// check and the line itself happen as one step.
bool LockFile(int fd) {
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// A log that is there is ours only if it starts with our header (saved again by a
// spreadsheet, its line end may differ); any other file under the log's name is left alone.
bool StartsWithOurHeader(int fd) {
    std::string header = ProgrammingLogHeader();
    header.resize(header.size() - kProgrammingLogLineEnd.size());
    std::string start(header.size() + 1, '\0');
    const ssize_t got = pread(fd, start.data(), start.size(), 0);
    return got == static_cast<ssize_t>(start.size()) && start.starts_with(header) &&
           (start.back() == '\r' || start.back() == '\n');
}

// What has to go before the new line: the header for a new file; a line end when the last
// line was cut short (the program writing it stopped half-way).
std::string Prefix(int fd, off_t size) {
    if (size == 0) {
        return ProgrammingLogHeader();
    }
    char last = '\n';
    if (pread(fd, &last, 1, size - 1) != 1 || last == '\n') {
        return {};
    }
    return last == '\r' ? std::string("\n") : std::string(kProgrammingLogLineEnd);
}

// The new file's name reaches the disk with its folder.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

FileResult AppendLocked(int fd, const std::string& folder, const std::string& path,
                        const std::string& row) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        return FileFailure(path, std::strerror(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return FileFailure(path, WhyNotRegularFile(info.st_mode));
    }
    if (!LockFile(fd) || fstat(fd, &info) != 0) {
        return FileFailure(path, std::strerror(errno));
    }
    if (info.st_size != 0 && !StartsWithOurHeader(fd)) {
        return FileFailure(path, "the file there is not a programming log");
    }
    const std::string text = Prefix(fd, info.st_size) + row;
    // One write, so a reader never sees the line in pieces; O_APPEND puts it at the end.
    ssize_t wrote;
    do {
        wrote = write(fd, text.data(), text.size());
    } while (wrote < 0 && errno == EINTR);
    if (wrote != static_cast<ssize_t>(text.size())) {
        // A write that takes less than all is a full disk; the lock is ours, so the part that
        // did go in is taken back and no half line is left for the next one to follow.
        const int error = wrote < 0 ? errno : ENOSPC;
        if (wrote > 0) {
            [[maybe_unused]] const int ignored = ftruncate(fd, info.st_size);
        }
        return FileFailure(path, std::strerror(error));
    }
    if (fsync(fd) != 0) {
        return FileFailure(path, std::strerror(errno));
    }
    if (info.st_size == 0) {
        SyncFolder(folder);
    }
    return {};
}

}  // namespace

std::string ProgrammingLogPath(const std::string& folder) {
    if (folder.empty() || folder.back() == '/') {
        return folder + kLogName;
    }
    return folder + "/" + kLogName;
}

FileResult AppendProgrammingLog(const std::string& folder, const ProgrammingLogLine& line) {
    if (folder.empty()) {
        return {false, "No folder given for the programming log"};
    }
    if (FileResult made = MakeFolder(folder); !made) {
        return made;
    }
    const std::string path = ProgrammingLogPath(folder);
    // O_NONBLOCK: a pipe put in the log's place must not hold the program in open().
    // O_NOFOLLOW: a link in the log's place would have us append to, or create, whatever
    // file it names, with whatever rights we run with.
    const int fd =
        open(path.c_str(),
             O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return FileFailure(path, errno == ELOOP ? std::string("it is a symbolic link")
                                                : std::string(std::strerror(errno)));
    }
    FileResult appended = AppendLocked(fd, folder, path, FormatProgrammingLogRow(line));
    if (close(fd) != 0 && appended) {
        appended = FileFailure(path, std::strerror(errno));
    }
    return appended;
}

}  // namespace radioprog
