#include "history/HistorySearch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace radioprog {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

// The words of search; an input method's full-width space parts words too.
std::vector<std::string> Words(std::string_view search) {
    std::string text(search);
    for (size_t at = text.find("\u3000"); at != std::string::npos; at = text.find("\u3000")) {
        text.replace(at, 3, " ");
    }
    std::vector<std::string> words;
    size_t start = 0;
    while ((start = text.find_first_not_of(' ', start)) != std::string::npos) {
        const size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(Lower(text.substr(start, end - start)));
        start = end;
    }
    return words;
}

// A frequency as typed: its value in units of the last digit typed, and how many decimals.
struct TypedFrequency {
    uint64_t units = 0;
    int decimals = 0;
};

std::optional<TypedFrequency> AsFrequency(std::string_view word) {
    const size_t dot = word.find('.');
    const std::string_view whole = word.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view() : word.substr(dot + 1);
    // Frequencies are held in hertz: no more decimals than that, no more megahertz than a
    // u32 of hertz holds.
    if (whole.empty() || whole.size() > 4 || fraction.size() > 6) {
        return std::nullopt;
    }
    TypedFrequency typed;
    for (const std::string_view digits : {whole, fraction}) {
        for (const char c : digits) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            typed.units = typed.units * 10 + static_cast<uint64_t>(c - '0');
        }
    }
    typed.decimals = static_cast<int>(fraction.size());
    return typed;
}

bool FrequencyMatches(const TypedFrequency& typed, uint64_t hz) {
    uint64_t unit = 1;
    for (int i = typed.decimals; i < 6; ++i) {
        unit *= 10;
    }
    return hz / unit == typed.units;
}

bool HasFrequency(const HistoryEntry& entry, const TypedFrequency& typed) {
    const auto matches = [&typed](uint64_t hz) { return FrequencyMatches(typed, hz); };
    return std::any_of(entry.channelFrequencies.begin(), entry.channelFrequencies.end(), matches) ||
           std::any_of(entry.calibrationPointsMhz.begin(), entry.calibrationPointsMhz.end(),
                       [&matches](int mhz) {
                           return mhz > 0 && matches(static_cast<uint64_t>(mhz) * 1000000);
                       });
}

bool WordMatches(const HistoryEntry& entry, const std::string& word,
                 const std::vector<std::string>& kinds, const std::vector<std::string>& texts) {
    if (std::find(kinds.begin(), kinds.end(), word) != kinds.end()) {
        return true;
    }
    if (const auto typed = AsFrequency(word); typed && HasFrequency(entry, *typed)) {
        return true;
    }
    return std::any_of(texts.begin(), texts.end(), [&word](const std::string& text) {
        return text.find(word) != std::string::npos;
    });
}

}  // namespace

bool HistoryEntryMatches(const HistoryEntry& entry, std::string_view search,
                         std::string_view shownKind, std::string_view shownJob) {
    const std::vector<std::string> words = Words(search);
    if (words.empty()) {
        return true;
    }
    std::vector<std::string> texts = {Lower(entry.label), HistoryTimeText(entry.time),
                                      RadioStampText(entry.radioStamp),
                                      std::string(HistoryJobName(entry.job)), Lower(shownJob)};
    if (!IsCalibrationJob(entry.job)) {
        texts.push_back(Lower(HistoryBandText(entry.band)));
    }
    const std::vector<std::string> kinds = {Lower(RadioKindName(entry.kind)), Lower(shownKind)};
    return std::all_of(words.begin(), words.end(), [&](const std::string& word) {
        return WordMatches(entry, word, kinds, texts);
    });
}

bool KeptWithin(const HistoryEntry& entry, const HistoryDays& days) {
    const HistoryDay day{entry.time.year, entry.time.month, entry.time.day};
    return (!days.from || *days.from <= day) && (!days.to || day <= *days.to);
}

}  // namespace radioprog
