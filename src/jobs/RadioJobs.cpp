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
    // Every write goes on the bench log, a new password too; only data and calibration
    // writes have a backup and a read-back around them.
    if (!order.read) {
        return std::make_unique<SafeWriteJob>(order, site);
    }
    return std::make_unique<SessionJob>(order.mode, order.read, site);
}

}  // namespace radioprog
