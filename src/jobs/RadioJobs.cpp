#include "jobs/RadioJobs.h"

#include "jobs/SafeWriteJob.h"
#include "jobs/SessionJob.h"

namespace radioprog {

bool IsSafeWrite(const JobOrder& order) {
    return !order.read &&
           (order.mode == SessionMode::Data || order.mode == SessionMode::Calibration ||
            order.mode == SessionMode::CalibrationAndData);
}

std::unique_ptr<SessionDriver> MakeJob(const JobOrder& order, const JobSite& site) {
    if (IsSafeWrite(order)) {
        return std::make_unique<SafeWriteJob>(order, site);
    }
    return std::make_unique<SessionJob>(order.mode, order.read, site);
}

}  // namespace radioprog
