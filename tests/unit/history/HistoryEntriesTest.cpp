// What makes a file an entry, and what keeping one may do to the others: programs keeping at
// once, clocks and time zones that moved, files of someone else's under an entry's name.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "history/HistoryKeep.h"
#include "history/HistoryNames.h"
#include "history/RadioHistory.h"
#include "model/ProjectFile.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

ProjectImage ProjectWithName(int number) {
    ProjectImage image;
    image.SetChannelValid(1, true);
    const std::string text = "radio " + std::to_string(number);
    std::copy(text.begin(), text.end(), image.Raw().begin() + 0x100);
    return image;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

HistorySettings In(const std::string& folder, size_t keep) {
    HistorySettings settings;
    settings.folder = folder;
    settings.keep = keep;
    return settings;
}

TEST(HistoryEntries, ProgramsKeepingInTheSameSecondEachKeepTheirOwnEntry) {
    TempFolder temp;
    const std::string folder = temp.File("history");
    const std::time_t second = std::time(nullptr);
    constexpr int kPrograms = 24;
    // Every program waits at the pipe, so that all of them keep their read at once.
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> programs;
    for (int n = 0; n < kPrograms; ++n) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(start[1]);
            char go;
            [[maybe_unused]] const ssize_t ignored = read(start[0], &go, 1);
            const FileResult kept = KeepProjectInHistory(
                In(folder, 500), {HistoryJob::Backup, RadioKind::S, {}, second}, ProjectWithName(n),
                BandLimits{});
            _exit(kept ? 0 : 1);
        }
        programs.push_back(pid);
    }
    close(start[0]);
    close(start[1]);
    for (const pid_t pid : programs) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const std::vector<HistoryEntry> entries = ListHistory(folder);
    ASSERT_EQ(entries.size(), static_cast<size_t>(kPrograms));
    std::set<std::string> kept;
    for (const HistoryEntry& entry : entries) {
        kept.insert(Contents(entry.path));
    }
    for (int n = 0; n < kPrograms; ++n) {
        ProjectImage image = ProjectWithName(n);
        BandLimits band;
        ASSERT_TRUE(SaveProject(temp.File("saved.Vkf"), image, band));
        EXPECT_EQ(kept.count(Contents(temp.File("saved.Vkf"))), 1u) << "read " << n;
    }
}

// Keeps a read at when as the local time of zone says it.
std::string KeepIn(const char* zone, std::time_t when, const std::string& folder, size_t keep) {
    std::string path;
    FileResult kept;
    {
        const testing::ScopedEnvironment timeZone("TZ", zone);
        tzset();
        kept = KeepProjectInHistory(In(folder, keep), {HistoryJob::Backup, RadioKind::Y, {}, when},
                                    ProjectWithName(1), {}, &path);
    }
    tzset();
    EXPECT_TRUE(kept) << kept.message;
    return path;
}

TEST(HistoryEntries, TrimmingGoesByWhenEntriesWereKeptAndSparesTheReadJustKept) {
    TempFolder temp;
    const std::string folder = temp.Path().string();
    const std::time_t now = std::time(nullptr);
    // Across a journey east to west, the later backups carry earlier local times.
    const std::string east = KeepIn("UTC-8", now - 7200, folder, 2);
    const std::string west1 = KeepIn("UTC+5", now - 3600, folder, 2);
    const std::string west2 = KeepIn("UTC+5", now - 60, folder, 2);
    EXPECT_FALSE(fs::exists(east));
    EXPECT_TRUE(fs::exists(west1));
    EXPECT_TRUE(fs::exists(west2));

    // Entries from a clock that ran a year ahead: the backup just kept and reported stays.
    for (int n = 1; n <= 2; ++n) {
        KeepIn("UTC", now + 365 * 86400 + n, folder, 10);
    }
    const std::string backup = KeepIn("UTC", now, folder, 2);
    EXPECT_TRUE(fs::exists(backup));
    const std::vector<HistoryEntry> entries = ListHistory(folder);
    EXPECT_EQ(entries.size(), 2u);
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(),
                            [&backup](const HistoryEntry& e) { return e.path == backup; }));
}

TEST(HistoryEntries, WhatIsNoListedEntryIsNeverTrimmedAndEveryNameMadeReadsBack) {
    TempFolder temp;
    const std::string folder = temp.Path().string();
    // Someone's notes under an entry's name, dated long ago.
    const std::string notes = temp.File("2001-01-01_00-00-00_S_read.Vkf");
    std::ofstream(notes) << "channel plan for the fair\n";
    ASSERT_TRUE(KeepProjectInHistory(In(folder, 1),
                                     {HistoryJob::Read, RadioKind::S, {}, std::time(nullptr)},
                                     ProjectWithName(1), {}));
    EXPECT_EQ(Contents(notes), "channel plan for the fair\n");

    // A radio whose last programming time is erased (or half erased) is kept under a name the
    // listing reads; the stamp that does not fit the name is left out of it.
    const std::vector<LastWriteTime> stamps = {{0xFFFF, 0xFF, 0xFF, 0xFF, 0xFF},
                                               {2026, 0xFF, 0xFF, 0xFF, 0xFF},
                                               {10000, 1, 1, 1, 1},
                                               {2026, 11, 30, 9, 0xFF},
                                               {0, 11, 30, 9, 15},
                                               {2026, 11, 30, 9, 15}};
    for (const LastWriteTime& stamp : stamps) {
        TempFolder alone;
        std::string path;
        ASSERT_TRUE(
            KeepProjectInHistory(In(alone.Path().string(), 500),
                                 {HistoryJob::Read, RadioKind::Y, stamp, std::time(nullptr)},
                                 ProjectWithName(2), {}, &path));
        const std::vector<HistoryEntry> listed = ListHistory(alone.Path().string());
        ASSERT_EQ(listed.size(), 1u) << path;
        EXPECT_EQ(listed[0].path, path);
    }

    // Every kind, job, stamp and sequence a name can be made of reads back as it was made.
    for (const RadioKind kind : kEntryKinds) {
        for (const HistoryJob job : kEntryJobs) {
            for (const LastWriteTime& stamp : stamps) {
                for (const int sequence : {1, 2, 10, kLastEntrySequence}) {
                    EntryName name;
                    name.time = {2026, 12, 31, 23, 59, 60};
                    name.kind = kind;
                    name.job = job;
                    name.radioStamp = stamp;
                    name.sequence = sequence;
                    const std::string fileName = EntryFileName(name);
                    const auto read = ParseEntryFileName(fileName);
                    ASSERT_TRUE(read) << fileName;
                    EXPECT_EQ(read->time, name.time) << fileName;
                    EXPECT_EQ(read->kind, kind) << fileName;
                    EXPECT_EQ(read->job, job) << fileName;
                    EXPECT_EQ(read->sequence, sequence) << fileName;
                    EXPECT_TRUE(read->radioStamp == stamp || read->radioStamp == LastWriteTime{})
                        << fileName;
                }
            }
        }
    }
}

}  // namespace
}  // namespace radioprog
