#pragma once
// Writing the history: a successful read kept as a file of its own, and the oldest entries
// trimmed. Only the jobs keep reads; the windows and the command line list and open them.

#include <string>

#include "history/RadioHistory.h"

namespace radioprog {

// Keeps a successful read: a new file named by local date, time, radio kind and job, written
// atomically with mode 0600, folder created (0700) when missing; then trims to settings.keep.
// The name is taken exclusively: programs keeping reads at once each get a name of their own,
// and no entry is ever replaced. A refused limit trims nothing and says so in the notice.
// Disabled: ok and nothing written. The path kept is returned through *keptPath when given.
// An old entry that cannot be deleted leaves the read kept, with a notice saying so.
FileResult KeepProjectInHistory(const HistorySettings& settings, HistoryJob job, RadioKind kind,
                                const ProjectImage& image, const BandLimits& band,
                                std::string* keptPath = nullptr);
FileResult KeepCalibrationInHistory(const HistorySettings& settings, HistoryJob job, RadioKind kind,
                                    const CalibrationData& calibration,
                                    std::string* keptPath = nullptr);
// The same with the radio's last programming time in the name, and a chosen time for tests.
FileResult KeepProjectInHistory(const HistorySettings& settings, const HistoryRecord& record,
                                const ProjectImage& image, const BandLimits& band,
                                std::string* keptPath = nullptr);
FileResult KeepCalibrationInHistory(const HistorySettings& settings, const HistoryRecord& record,
                                    const CalibrationData& calibration,
                                    std::string* keptPath = nullptr);

// Deletes the entries written longest ago beyond keep, each with its label; nothing but
// entries (as ListHistory has them) and their labels is ever touched, and never the entry
// justKept names. False with why when an entry could not be deleted.
FileResult TrimHistory(const std::string& folder, size_t keep, const std::string& justKept = {});

}  // namespace radioprog
