#pragma once
// What the command line says of several radios run at once: each radio's notes on standard
// error as they come, marked with its device; a line on standard output as each radio
// finishes; then a table of them all (device, radio kind, result, verify, backup file); after
// a stop, which radios were finished and which were left half-written, with their backups.

#include <ostream>
#include <string>
#include <vector>

#include "multijob/BenchJob.h"

namespace radioprog::cli {

class CliBenchPresenter final : public BenchPresenter {
  public:
    CliBenchPresenter(std::ostream& out, std::ostream& err, std::vector<std::string> devices)
        : out_(out), err_(err), devices_(std::move(devices)) {}

    // Set before the jobs start: a finished line needs the job's result.
    void Watch(const std::vector<const BenchJob*>& jobs) { jobs_ = jobs; }

    void VerifyFailed(size_t radio, const VerifyReport& report) override;
    void VerifyNotRun(size_t radio, SessionMessage why) override;
    void Told(size_t radio, const JobNote& note) override;
    void PortMended(size_t radio, const std::string& what) override;
    void Finished(size_t radio) override;

  private:
    // Every line of text, each marked with the radio's device, in one write.
    void Say(size_t radio, const std::string& text);

    std::ostream& out_;
    std::ostream& err_;
    std::vector<std::string> devices_;
    std::vector<const BenchJob*> jobs_;
};

// The word for a radio's result in the finished line and the table.
std::string BenchResultWord(const BenchResult& result);

// The table of every radio, one row each, columns lined up.
std::string BenchTable(const std::vector<const BenchJob*>& jobs);

// After a stop: the radios finished, those left half-written (naming their backups) and
// those not written at all.
std::string StopSummary(const std::vector<const BenchJob*>& jobs);

// A radio's exit status, as the single job would end with it.
int BenchExitCode(const BenchResult& result);
// 0 when every radio succeeded; else, of the radios' failures, the one the exit code table
// lists first.
int BenchExitCode(const std::vector<BenchResult>& results);

}  // namespace radioprog::cli
