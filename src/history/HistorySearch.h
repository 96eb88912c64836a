#pragma once
// Finding entries in a long history: by what is typed in a search box, and by a span of days.

#include <optional>
#include <string>
#include <string_view>

#include "history/RadioHistory.h"

namespace radioprog {

// Every word of search must be found in the entry (case does not matter):
// - in its label, its date and time ("2026-12-07 16:45:12"), the radio's last programming
//   time, its band ("400-480 MHz"), or its job as named in files ("calibration-backup") or
//   as shownJob (the window's name for it in its language);
// - as its radio kind, the whole word, named as in files ("S", "Y", "legacy") or as
//   shownKind: a single letter would otherwise be found in nearly every entry;
// - as a frequency in MHz of a channel in use (receive or transmit) or of a calibration point,
//   to the digits typed: "145.5" finds 145.50000 and 145.51250, "145.500" only the first.
// An empty search finds every entry.
bool HistoryEntryMatches(const HistoryEntry& entry, std::string_view search,
                         std::string_view shownKind = {}, std::string_view shownJob = {});

// A calendar day, as the entry's name holds it (local time).
struct HistoryDay {
    int year = 0;
    int month = 0;
    int day = 0;
    friend auto operator<=>(const HistoryDay&, const HistoryDay&) = default;
};

// The days from and to, both included; an open end takes every day on that side.
struct HistoryDays {
    std::optional<HistoryDay> from;
    std::optional<HistoryDay> to;
};
bool KeptWithin(const HistoryEntry& entry, const HistoryDays& days);

}  // namespace radioprog
