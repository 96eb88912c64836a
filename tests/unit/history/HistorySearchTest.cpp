// Finding entries by what is typed in the history's search box and by a span of days.

#include "history/HistorySearch.h"

#include <gtest/gtest.h>

#include "history/HistoryNames.h"

namespace radioprog {
namespace {

struct Entries {
    HistoryEntry project;
    HistoryEntry calibration;
};

Entries TwoEntries() {
    Entries e;
    e.project.time = {2026, 12, 7, 16, 45, 12};
    e.project.kind = RadioKind::Y;
    e.project.job = HistoryJob::Backup;
    e.project.radioStamp = {2026, 11, 30, 9, 15};
    e.project.band = {136000000, 174000000};
    e.project.channelFrequencies = {145512500, 145512500, 146000000, 146600000};
    e.project.label = "Fire brigade 消防 Job 42";
    e.calibration.time = {2025, 1, 2, 3, 4, 5};
    e.calibration.kind = RadioKind::Legacy;
    e.calibration.job = HistoryJob::CalibrationRead;
    e.calibration.calibrationPointsMhz = {400, 440, 480};
    return e;
}

TEST(HistorySearch, EveryWordIsFoundInTheLabelDateKindJobOrAFrequency) {
    const Entries e = TwoEntries();
    struct Case {
        const char* search;
        bool project;
        bool calibration;
    };
    const Case cases[] = {
        {"", true, true},
        {"   ", true, true},
        {"brigade", true, false},
        {"FIRE job 42", true, false},
        {"消防", true, false},
        {"消防\u3000fire", true, false},  // a full-width space parts words too
        {"fire 2025", false, false},      // every word must be found
        {"2026-12-07", true, false},
        {"12-07 16:45", true, false},
        {"2025-01", false, true},
        {"2026-11-30", true, false},  // the radio's last programming time
        {"y", true, false},
        {"Legacy", false, true},
        {"g", true, false},  // a kind is found by its whole name, not by a letter of it
        {"backup", true, false},
        {"calibration", false, true},
        {"136-174", true, false},
        {"145", true, false},
        {"145.5", true, false},
        {"145.51", true, false},
        {"145.5125", true, false},
        {"145.51250", true, false},
        {"145.512500", true, false},
        {"145.500", false, false},
        {"146.6", true, false},  // a transmit frequency
        {"14", false, false},    // megahertz are whole: 14 is not 145
        {"440", false, true},
        {"440.0", false, true},
        {"440.1", false, false},
        {"174", true, false},  // in the band's text
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HistoryEntryMatches(e.project, c.search), c.project) << c.search;
        EXPECT_EQ(HistoryEntryMatches(e.calibration, c.search), c.calibration) << c.search;
    }
    // The window's own names for the kind and job, in its language: the kind as a whole word
    // too, the job as any part of it.
    EXPECT_TRUE(HistoryEntryMatches(e.calibration, "校准", "旧型", "读校准数据"));
    EXPECT_FALSE(HistoryEntryMatches(e.calibration, "校准"));
    EXPECT_TRUE(HistoryEntryMatches(e.calibration, "旧型", "旧型", "读校准数据"));
    EXPECT_TRUE(HistoryEntryMatches(e.calibration, "LEGACY", "legacy", "Calibration read"));
    EXPECT_FALSE(HistoryEntryMatches(e.calibration, "y", "legacy", "Calibration read"));
    EXPECT_FALSE(HistoryEntryMatches(e.calibration, "旧", "旧型", "读校准数据"));
}

TEST(HistorySearch, EachKindAndJobFindsItsEntriesAndNoOther) {
    for (const RadioKind kind : kEntryKinds) {
        for (const HistoryJob job : kEntryJobs) {
            HistoryEntry entry;
            entry.kind = kind;
            entry.job = job;
            for (const RadioKind other : kEntryKinds) {
                EXPECT_EQ(HistoryEntryMatches(entry, std::string(RadioKindName(other))),
                          other == kind)
                    << RadioKindName(kind) << " searched as " << RadioKindName(other);
            }
            for (const HistoryJob other : kEntryJobs) {
                // "read" is found in "calibration-read" too, as typed words are.
                const bool within = std::string(HistoryJobName(job)).find(HistoryJobName(other)) !=
                                    std::string::npos;
                EXPECT_EQ(HistoryEntryMatches(entry, std::string(HistoryJobName(other))), within)
                    << HistoryJobName(job) << " searched as " << HistoryJobName(other);
            }
        }
    }
}

TEST(HistorySearch, ADateFilterTakesBothEndsAndAnOpenEndTakesEveryDay) {
    HistoryEntry entry;
    entry.time = {2026, 3, 15, 23, 59, 59};
    const HistoryDay before{2026, 3, 14};
    const HistoryDay same{2026, 3, 15};
    const HistoryDay after{2026, 3, 16};
    EXPECT_TRUE(KeptWithin(entry, {}));
    EXPECT_TRUE(KeptWithin(entry, {same, same}));
    EXPECT_TRUE(KeptWithin(entry, {before, after}));
    EXPECT_TRUE(KeptWithin(entry, {std::nullopt, same}));
    EXPECT_TRUE(KeptWithin(entry, {same, std::nullopt}));
    EXPECT_FALSE(KeptWithin(entry, {after, std::nullopt}));
    EXPECT_FALSE(KeptWithin(entry, {std::nullopt, before}));
    EXPECT_FALSE(KeptWithin(entry, {HistoryDay{2026, 2, 28}, HistoryDay{2026, 3, 14}}));
    EXPECT_FALSE(KeptWithin(entry, {HistoryDay{2027, 1, 1}, HistoryDay{2025, 1, 1}}));
}

}  // namespace
}  // namespace radioprog
