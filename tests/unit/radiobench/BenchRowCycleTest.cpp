// A cable of the bench on virtual time: by hand one write per Start; automatic, a check every
// two seconds until a radio answers, one write, then checks until that radio has gone, so no
// radio is written twice on one connection and a stopped write is counted once.

#include <gtest/gtest.h>

#include "radiobench/BenchCables.h"
#include "radiobench/BenchRowCycle.h"

namespace radioprog {
namespace {

TEST(BenchRowCycleTest, ByHandEachStartWritesOnceAndTheResultStaysUntilTheNextWrite) {
    BenchRowCycle cycle;
    EXPECT_EQ(cycle.Start(0), BenchAction::Write);
    EXPECT_EQ(cycle.Start(10), BenchAction::None) << "a second Start while the write runs";
    cycle.StageStarted(WriteStage::BackupData);
    EXPECT_EQ(cycle.Phase(), BenchPhase::Backup);
    cycle.StageStarted(WriteStage::Write);
    EXPECT_EQ(cycle.Phase(), BenchPhase::Writing);
    cycle.StageStarted(WriteStage::VerifyData);
    EXPECT_EQ(cycle.Phase(), BenchPhase::ReadBack);

    EXPECT_EQ(cycle.WriteEnded(false, 4000), BenchAction::None);
    EXPECT_EQ(cycle.Phase(), BenchPhase::ResultShown);
    EXPECT_EQ(cycle.LastResult(), BenchResult::Failed);
    // By hand nothing comes due: the row waits for Retry.
    EXPECT_FALSE(cycle.NextDue());
    EXPECT_EQ(cycle.Tick(100000), BenchAction::None);

    EXPECT_EQ(cycle.Start(5000), BenchAction::Write);  // Retry
    EXPECT_EQ(cycle.LastResult(), BenchResult::None);
    cycle.WriteEnded(true, 9000);
    EXPECT_EQ(cycle.LastResult(), BenchResult::Succeeded);
    EXPECT_EQ(cycle.Totals().done, 1);
    EXPECT_EQ(cycle.Totals().failed, 1);
    // A stage reported after the write has ended changes nothing.
    cycle.StageStarted(WriteStage::Write);
    EXPECT_EQ(cycle.Phase(), BenchPhase::ResultShown);
}

TEST(BenchRowCycleTest, AutomaticWritesEachRadioOncePerConnection) {
    BenchRowCycle cycle;
    cycle.SetAutomatic(true);
    EXPECT_EQ(cycle.Start(0), BenchAction::Check);
    EXPECT_EQ(cycle.Phase(), BenchPhase::WaitingForRadio);

    // No radio yet: the next check two seconds after this one ended, not before.
    EXPECT_EQ(cycle.CheckEnded(CheckAnswer::NoRadio, 5500), BenchAction::None);
    EXPECT_EQ(cycle.NextDue(), 5500 + kBenchCheckIntervalMs);
    EXPECT_EQ(cycle.Tick(7499), BenchAction::None);
    EXPECT_EQ(cycle.Tick(7500), BenchAction::Check);
    EXPECT_EQ(cycle.Tick(7600), BenchAction::None) << "one check at a time";
    // A radio half plugged in is checked again rather than written.
    EXPECT_EQ(cycle.CheckEnded(CheckAnswer::BrokenOff, 8000), BenchAction::None);
    EXPECT_EQ(cycle.Tick(10000), BenchAction::Check);
    EXPECT_EQ(cycle.CheckEnded(CheckAnswer::Radio, 11000), BenchAction::Write);

    EXPECT_EQ(cycle.WriteEnded(true, 15000), BenchAction::None);
    EXPECT_EQ(cycle.Phase(), BenchPhase::WaitingForRemoval);
    EXPECT_EQ(cycle.LastResult(), BenchResult::Succeeded);
    // The written radio still answers, fully or while being unplugged: never written again.
    for (const CheckAnswer stillThere : {CheckAnswer::Radio, CheckAnswer::BrokenOff}) {
        const int64_t due = *cycle.NextDue();
        EXPECT_EQ(cycle.Tick(due), BenchAction::Check);
        EXPECT_EQ(cycle.CheckEnded(stillThere, due + 1500), BenchAction::None);
        EXPECT_EQ(cycle.Phase(), BenchPhase::WaitingForRemoval);
        EXPECT_EQ(cycle.LastResult(), BenchResult::Succeeded) << "the result stays in view";
    }
    // Taken off: armed again, and the next radio is written.
    EXPECT_EQ(cycle.Tick(*cycle.NextDue()), BenchAction::Check);
    EXPECT_EQ(cycle.CheckEnded(CheckAnswer::NoRadio, 30000), BenchAction::None);
    EXPECT_EQ(cycle.Phase(), BenchPhase::WaitingForRadio);
    EXPECT_EQ(cycle.Tick(*cycle.NextDue()), BenchAction::Check);
    EXPECT_EQ(cycle.CheckEnded(CheckAnswer::Radio, 33000), BenchAction::Write);
    cycle.WriteEnded(false, 37000);
    EXPECT_EQ(cycle.Totals().done, 1);
    EXPECT_EQ(cycle.Totals().failed, 1);
    // A failed radio is not retried on its own either: it waits to be taken off like any.
    EXPECT_EQ(cycle.Phase(), BenchPhase::WaitingForRemoval);
}

TEST(BenchRowCycleTest, StopCountsAHalfWrittenRadioOnceAndLeavesNothingDue) {
    BenchRowCycle cycle;
    cycle.SetAutomatic(true);
    cycle.Start(0);
    cycle.CheckEnded(CheckAnswer::Radio, 1000);
    cycle.Stop(true);
    EXPECT_EQ(cycle.Phase(), BenchPhase::Idle);
    EXPECT_EQ(cycle.LastResult(), BenchResult::Failed);
    EXPECT_EQ(cycle.Totals().failed, 1);
    // The stopped job's own end, arriving afterwards, is not a second result.
    EXPECT_EQ(cycle.WriteEnded(false, 1100), BenchAction::None);
    EXPECT_EQ(cycle.Totals().failed, 1);
    EXPECT_EQ(cycle.Phase(), BenchPhase::Idle);

    // Stopped while waiting: no check comes due any more, and a late check end starts nothing.
    cycle.Start(2000);
    cycle.CheckEnded(CheckAnswer::NoRadio, 2500);
    cycle.Stop(false);
    EXPECT_FALSE(cycle.NextDue());
    EXPECT_EQ(cycle.Tick(100000), BenchAction::None);
    EXPECT_EQ(cycle.CheckEnded(CheckAnswer::Radio, 100001), BenchAction::None);

    // A write stopped before any radio answered reached none: nothing to count.
    cycle.SetAutomatic(false);
    cycle.Start(200000);
    cycle.Stop(false);
    EXPECT_EQ(cycle.Totals().failed, 1);
    EXPECT_EQ(cycle.Totals().done, 0);
}

TEST(BenchRowCycleTest, ACheckFindsARadioOnlyWhenOneAnsweredAndStayed) {
    EXPECT_EQ(AnswerOfCheck(SessionOutcome::CommunicationFalse, false), CheckAnswer::NoRadio);
    EXPECT_EQ(AnswerOfCheck(SessionOutcome::Closed, false), CheckAnswer::NoRadio);
    EXPECT_EQ(AnswerOfCheck(SessionOutcome::CommunicationFalse, true), CheckAnswer::BrokenOff);
    EXPECT_EQ(AnswerOfCheck(SessionOutcome::Success, true), CheckAnswer::Radio);
    // A locked or old radio is there all the same; its write will say what is wrong.
    EXPECT_EQ(AnswerOfCheck(SessionOutcome::PasswordError, true), CheckAnswer::Radio);
    EXPECT_EQ(AnswerOfCheck(SessionOutcome::OldVersion, true), CheckAnswer::Radio);
}

TEST(BenchCablesTest, ANumberThatNowStandsForAnotherDeviceIsAnotherCable) {
    PortMap map;
    map.Assign(2, "/dev/ttyUSB0");
    map.Assign(5, "/dev/ttyUSB1");
    const std::vector<BenchCable> shown = BenchCablesOf(map);
    EXPECT_EQ(shown, (std::vector<BenchCable>{{2, "/dev/ttyUSB0"}, {5, "/dev/ttyUSB1"}}));
    EXPECT_FALSE(CompareCables(shown, shown).Any());

    map.Assign(2, "");
    map.Assign(5, "/dev/ttyUSB3");
    map.Assign(9, "/dev/ttyACM0");
    const CableChanges changes = CompareCables(shown, BenchCablesOf(map));
    EXPECT_EQ(changes.gone, (std::vector<BenchCable>{{2, "/dev/ttyUSB0"}, {5, "/dev/ttyUSB1"}}));
    EXPECT_EQ(changes.added, (std::vector<BenchCable>{{5, "/dev/ttyUSB3"}, {9, "/dev/ttyACM0"}}));
}

}  // namespace
}  // namespace radioprog
