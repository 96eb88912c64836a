#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "history/HistoryKeep.h"
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

bool Exists(const fs::path& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

// The first name of that second not taken yet, so that a second read never replaces the first.
fs::path FreeName(const std::string& folder, EntryName name) {
    fs::path path = fs::path(folder) / EntryFileName(name);
    while (Exists(path)) {
        ++name.sequence;
        path = fs::path(folder) / EntryFileName(name);
    }
    return path;
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
    const std::string path = FreeName(settings.folder, name).string();
    if (FileResult written = WriteFileAtomically(path, bytes, kEntryMode); !written) {
        return written;
    }
    if (keptPath != nullptr) {
        *keptPath = path;
    }
    // The read is kept: an old entry that would not go is worth a word, not a failure.
    FileResult kept;
    if (const FileResult trimmed = TrimHistory(settings.folder, settings.keep); !trimmed) {
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
