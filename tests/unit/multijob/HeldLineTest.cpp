// A job's pause kept by its line: to the radio the job must look exactly as if it had slept,
// whatever it did meanwhile, and a job stopped in the middle of a pause sends nothing more.

#include "multijob/HeldLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace radioprog {
namespace {

// Records what reaches the line, in order; holds input the test puts there.
class RecordingLine final : public SerialPort {
  public:
    PortResult Open(const std::string&) override { return {}; }
    bool IsOpen() const override { return open; }
    PortResult ApplyLineSettings(const LineSettings&) override { return {}; }
    PortResult SetQueueSizes(size_t, size_t) override { return {}; }
    PortResult Purge() override {
        steps.push_back("purge");
        input.clear();
        return {};
    }
    PortResult PurgeInput() override {
        steps.push_back("purge input");
        input.clear();
        return {};
    }
    size_t Write(std::span<const uint8_t> bytes) override {
        steps.push_back("write " + std::string(bytes.begin(), bytes.end()));
        return bytes.size();
    }
    size_t BytesWaiting() override { return input.size(); }
    size_t Read(std::span<uint8_t> buffer) override {
        const size_t n = std::min(buffer.size(), input.size());
        std::copy_n(input.begin(), n, buffer.begin());
        input.erase(input.begin(), input.begin() + static_cast<long>(n));
        return n;
    }
    void Close() override {
        steps.push_back("close");
        open = false;
    }

    std::vector<std::string> steps;
    std::vector<uint8_t> input;
    bool open = true;
};

std::span<const uint8_t> Bytes(const char* text) {
    return {reinterpret_cast<const uint8_t*>(text), std::char_traits<char>::length(text)};
}

TEST(HeldLine, WhatTheJobDoesInAPauseHappensAtItsEndInOrder) {
    RecordingLine line;
    HeldLine held(line);
    held.Write(Bytes("before"));
    held.HoldUntil(500);
    line.input = {1, 2, 3};
    // The radio's late bytes are not seen while the job sleeps...
    EXPECT_EQ(held.BytesWaiting(), 0u);
    uint8_t buffer[8];
    EXPECT_EQ(held.Read(buffer), 0u);
    // ...and what the job does after its pause waits for the pause's end.
    EXPECT_TRUE(held.Purge());
    EXPECT_EQ(held.Write(Bytes("PROGRAM")), 7u);
    held.PurgeInput();
    held.Write(Bytes("next"));
    EXPECT_EQ(line.steps, std::vector<std::string>{"write before"});

    held.Release();
    EXPECT_FALSE(held.IsHeld());
    EXPECT_EQ(line.steps, (std::vector<std::string>{"write before", "purge", "write PROGRAM",
                                                    "purge input", "write next"}));
    EXPECT_EQ(held.BytesWaiting(), 0u) << "the purge at the pause's end took the late bytes";
    held.Write(Bytes("after"));
    EXPECT_EQ(line.steps.back(), "write after");
}

TEST(HeldLine, APurgeInAPauseDropsWhatWasWrittenBeforeItInThatPause) {
    RecordingLine line;
    HeldLine held(line);
    held.HoldUntil(100);
    held.Write(Bytes("stale"));
    held.Purge();
    held.Write(Bytes("fresh"));
    held.Release();
    EXPECT_EQ(line.steps, (std::vector<std::string>{"purge", "write fresh"}));
}

TEST(HeldLine, PausesOneAfterAnotherOnlyEverLengthenTheHold) {
    RecordingLine line;
    HeldLine held(line);
    held.HoldUntil(800);
    held.HoldUntil(300);
    EXPECT_EQ(held.HeldUntil(), 800);
    held.HoldUntil(1300);
    EXPECT_EQ(held.HeldUntil(), 1300);
    held.Release();
    held.HoldUntil(200);
    EXPECT_EQ(held.HeldUntil(), 200) << "a new hold starts afresh";
}

TEST(HeldLine, AJobStoppedInAPauseSendsNothingMore) {
    RecordingLine line;
    HeldLine held(line);
    held.HoldUntil(500);
    held.Purge();
    held.Write(Bytes("PROGRAM"));
    held.Close();
    EXPECT_FALSE(held.IsHeld());
    held.Release();
    EXPECT_EQ(line.steps, std::vector<std::string>{"close"});
}

}  // namespace
}  // namespace radioprog
