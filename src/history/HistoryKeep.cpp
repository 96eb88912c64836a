#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "history/HistoryKeep.h"
#include "history/HistoryLabel.h"
#include "history/HistoryNames.h"
#include "model/AtomicOutput.h"
#include "model/PrivateFolder.h"
#include "model/ProjectFile.h"

namespace radioprog {

namespace {

namespace fs = std::filesystem;

// The entries hold the radio's unlock password: only their owner may read them or see which
// radios were read when.
constexpr mode_t kEntryMode = 0600;

FileResult CannotKeep(const std::string& folder, const std::string& why) {
    return {false, "Cannot keep the read in the history folder \"" + folder + "\": " + why};
}

// Creates folder and whatever of its parents is missing, each private; folders that are there
// keep their modes.
FileResult MakeFolder(const std::string& folder) {
    const std::string why = MakePrivateFolder(folder);
    return why.empty() ? FileResult{} : CannotKeep(folder, why);
}

// Takes the first name of that second nobody has: the name is created empty and exclusively,
// so that a program keeping a read at the same moment takes the next one, and only then is
// the entry written over it, whole.
FileResult ReserveName(const std::string& folder, EntryName name, std::string& path) {
    for (; name.sequence <= kLastEntrySequence; ++name.sequence) {
        const std::string fileName = EntryFileName(name);
        if (!ParseEntryFileName(fileName)) {
            // Kept under a name no listing reads, an entry could never be found or trimmed.
            return CannotKeep(folder, "the clock reads a date no entry can be named by");
        }
        path = (fs::path(folder) / fileName).string();
        const int fd =
            open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kEntryMode);
        if (fd >= 0) {
            close(fd);
            return {};
        }
        if (errno != EEXIST) {
            return CannotKeep(folder, std::strerror(errno));
        }
    }
    return CannotKeep(folder, "every name of this second is taken");
}

// A read kept at a chosen time is dated so on disk too, where trimming looks.
void DateEntry(const std::string& path, const std::optional<std::time_t>& when) {
    if (when) {
        const struct timespec times[2] = {{*when, 0}, {*when, 0}};
        utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
    }
}

FileResult Trim(const HistorySettings& settings, const std::string& justKept) {
    if (!settings.keepRefused.empty()) {
        return {false, "No history entry was deleted: the limit Keep=\"" + settings.keepRefused +
                           "\" is no number of entries from 1 to " +
                           std::to_string(kHistoryKeepLimit)};
    }
    return TrimHistory(settings.folder, settings.keep, justKept);
}

FileResult Keep(const HistorySettings& settings, const HistoryRecord& record,
                std::span<const uint8_t> bytes, std::string* keptPath) {
    if (!settings.enabled) {
        return {};
    }
    if (settings.folder.empty()) {
        return CannotKeep(settings.folder, "no folder is named");
    }
    if (FileResult made = MakeFolder(settings.folder); !made) {
        return made;
    }
    EntryName name;
    name.time = LocalHistoryTime(record.when.value_or(std::time(nullptr)));
    name.kind = record.kind;
    name.job = record.job;
    if (!IsCalibrationJob(record.job)) {
        name.radioStamp = record.radioStamp;
    }
    std::string path;
    if (FileResult reserved = ReserveName(settings.folder, name, path); !reserved) {
        return reserved;
    }
    // A label left by an entry deleted by hand under this name says nothing of this read.
    RemoveHistoryLabel(path);
    if (FileResult written = WriteFileAtomically(path, bytes, kEntryMode); !written) {
        unlink(path.c_str());
        return written;
    }
    DateEntry(path, record.when);
    if (keptPath != nullptr) {
        *keptPath = path;
    }
    // The read is kept: an old entry that would not go is worth a word, not a failure.
    FileResult kept;
    if (const FileResult trimmed = Trim(settings, path); !trimmed) {
        kept.notice = trimmed.message;
    }
    return kept;
}

}  // namespace

FileResult KeepProjectInHistory(const HistorySettings& settings, const HistoryRecord& record,
                                const ProjectImage& image, const BandLimits& band,
                                std::string* keptPath) {
    const ProjectImage saved = ProjectFileImage(image, band);
    return Keep(settings, record, saved.Raw(), keptPath);
}

FileResult KeepCalibrationInHistory(const HistorySettings& settings, const HistoryRecord& record,
                                    const CalibrationData& calibration, std::string* keptPath) {
    return Keep(settings, record, calibration.Raw(), keptPath);
}

FileResult KeepProjectInHistory(const HistorySettings& settings, HistoryJob job, RadioKind kind,
                                const ProjectImage& image, const BandLimits& band,
                                std::string* keptPath) {
    return KeepProjectInHistory(settings, HistoryRecord{job, kind, {}, std::nullopt}, image, band,
                                keptPath);
}

FileResult KeepCalibrationInHistory(const HistorySettings& settings, HistoryJob job, RadioKind kind,
                                    const CalibrationData& calibration, std::string* keptPath) {
    return KeepCalibrationInHistory(settings, HistoryRecord{job, kind, {}, std::nullopt},
                                    calibration, keptPath);
}

}  // namespace radioprog
