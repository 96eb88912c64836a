// Replays the seed corpus of every fuzz target, so that an input that once broke one keeps
// working once fixed. The session seeds are complete jobs: each must still succeed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "FuzzTargets.h"
#include "SessionHarness.h"

namespace radioprog::fuzz {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> Corpus(std::string_view target) {
    std::vector<fs::path> files;
    const fs::path folder = fs::path(RADIOPROG_FUZZ_CORPUS) / target;
    if (fs::is_directory(folder)) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(FuzzCorpus, EveryTargetTakesItsWholeCorpus) {
    for (const Target& target : kTargets) {
        const std::vector<fs::path> files = Corpus(target.name);
        EXPECT_FALSE(files.empty()) << target.name << " has no seeds";
        for (const fs::path& file : files) {
            const std::vector<uint8_t> input = Contents(file);
            EXPECT_EQ(target.entry(input.data(), input.size()), 0) << file;
        }
    }
}

// The session target reaches every job only if the recorded sessions still run to the end
// on the harness: a changed request sequence shows up here first.
TEST(FuzzCorpus, RecordedSessionsOfEveryJobStillSucceed) {
    std::set<int> jobsSucceeded;
    for (const fs::path& file : Corpus("session")) {
        const std::vector<uint8_t> input = Contents(file);
        ASSERT_FALSE(input.empty()) << file;
        if (file.filename().string().starts_with("legacy") ||
            (input[0] & kJobMask) >= kRealJobCount) {
            continue;  // legacy radios refuse some jobs by design
        }
        const SessionOutcome outcome = RunScriptedSession(input[0], std::span(input).subspan(1));
        EXPECT_EQ(outcome, SessionOutcome::Success) << file;
        if (outcome == SessionOutcome::Success) {
            jobsSucceeded.insert(input[0] & kJobMask);
        }
    }
    EXPECT_EQ(jobsSucceeded.size(), kRealJobCount);
}

}  // namespace
}  // namespace radioprog::fuzz
