#include "calibration/CalibrationData.h"
#include "history/HistoryLabel.h"
#include "history/HistoryNames.h"
#include "history/RadioHistory.h"
#include "model/ProjectFile.h"

namespace radioprog {

namespace {

// An entry is what we wrote: a whole project or calibration file. Anything short of that (a
// file cut off by a full disk, or put there by hand) is left out rather than half shown.
bool ReadProject(HistoryEntry& entry) {
    ProjectImage image;
    const FileResult opened = OpenProject(entry.path, image, entry.band);
    if (!opened || !opened.notice.empty()) {
        return false;
    }
    for (int n = 1; n <= kChannelCount; ++n) {
        if (image.IsChannelValid(n)) {
            ++entry.channelsInUse;
            entry.channelFrequencies.push_back(image.Channel(n).RxFreq());
            entry.channelFrequencies.push_back(image.Channel(n).TxFreq());
        }
    }
    return true;
}

bool ReadCalibration(HistoryEntry& entry) {
    CalibrationData calibration;
    const FileResult loaded = LoadCalibrationFile(entry.path, calibration);
    if (!loaded || !loaded.notice.empty()) {
        return false;
    }
    for (int i = 0; i < kCalibrationPointCount; ++i) {
        if (const int mhz = calibration.Get(calib::Point(i).Freq); mhz != 0) {
            entry.calibrationPointsMhz.push_back(mhz);
        }
    }
    return true;
}

}  // namespace

std::vector<HistoryEntry> ListHistory(const std::string& folder) {
    std::vector<HistoryEntry> entries;
    for (const FoundEntry& found : EntriesIn(folder)) {
        HistoryEntry entry;
        entry.path = found.path;
        entry.time = found.name.time;
        entry.sequence = found.name.sequence;
        entry.kind = found.name.kind;
        entry.job = found.name.job;
        entry.radioStamp = found.name.radioStamp;
        entry.written = found.written;
        const bool read = IsCalibrationJob(entry.job) ? ReadCalibration(entry) : ReadProject(entry);
        if (read) {
            entry.label = ReadHistoryLabel(entry.path);
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

}  // namespace radioprog
