#pragma once
// A job of one session that writes nothing: a read of the data or the calibration block (kept
// in the history as it came from the radio), or the chip status.

#include "jobs/JobBase.h"
#include "jobs/RadioJobs.h"

namespace radioprog {

class SessionJob final : public JobBase {
  public:
    SessionJob(SessionMode mode, bool read, const JobSite& site);

  private:
    void DataRead() override;
    void CalibrationRead() override;
    void Keep(HistoryJob job);

    const SessionState& state_;
    HistorySettings history_;
};

}  // namespace radioprog
