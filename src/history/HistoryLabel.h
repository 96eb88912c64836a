#pragma once
// A label on a history entry: a customer, a job number, a word about the radio. It is kept in
// a small file beside the entry, never inside it, so that the entry stays byte for byte the
// file Save wrote and opens as one. The label's file is named after its entry with ".label"
// behind, a name no listing reads as an entry; it goes when its entry is trimmed.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "history/RadioHistory.h"

namespace radioprog {

// Long enough for a customer and a job, short enough for one line of the list.
inline constexpr size_t kHistoryLabelLimit = 200;  // characters

// "<entry path>.label"
std::string HistoryLabelPath(const std::string& entryPath);

// Why text cannot be a label (not UTF-8, a line break or another control character, longer
// than kHistoryLabelLimit characters), or nothing when it can.
std::optional<std::string> HistoryLabelRefusal(std::string_view text);

// The entry's label; empty when it has none or its file is not one we could have written.
std::string ReadHistoryLabel(const std::string& entryPath);

// Labels entry with text, spaces around it dropped; an empty text removes the label. The file
// is written atomically and privately; a link or anything but a plain file in its place is
// refused rather than followed.
FileResult SetHistoryLabel(const HistoryEntry& entry, std::string_view text);

// Removes the label of an entry that is going or has gone; anything but a plain file under
// the label's name is someone else's and stays. False with errno when a label stayed.
bool RemoveHistoryLabel(const std::string& entryPath);

}  // namespace radioprog
