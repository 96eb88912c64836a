#include "history/HistoryNames.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <vector>

namespace radioprog {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// Digits only, exactly width of them (0: any count from one), within [low, high].
std::optional<int> Number(std::string_view text, size_t width, int low, int high) {
    if (text.empty() || (width != 0 && text.size() != width) || text.size() > 6) {
        return std::nullopt;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// "2026-12-07" and "16-45-12" (or, for the radio's stamp, "2026-11-30-09-15").
bool ParseDate(std::string_view text, int& year, int& month, int& day) {
    const auto parts = Split(text, '-');
    if (parts.size() != 3) {
        return false;
    }
    const auto y = Number(parts[0], 4, 0, 9999);
    const auto m = Number(parts[1], 2, 1, 12);
    const auto d = Number(parts[2], 2, 1, 31);
    if (!y || !m || !d) {
        return false;
    }
    year = *y;
    month = *m;
    day = *d;
    return true;
}

bool ParseClock(std::string_view text, int& hour, int& minute, int& second) {
    const auto parts = Split(text, '-');
    if (parts.size() != 3) {
        return false;
    }
    const auto h = Number(parts[0], 2, 0, 23);
    const auto m = Number(parts[1], 2, 0, 59);
    const auto s = Number(parts[2], 2, 0, 60);
    if (!h || !m || !s) {
        return false;
    }
    hour = *h;
    minute = *m;
    second = *s;
    return true;
}

// "w2026-11-30-09-15"
std::optional<LastWriteTime> ParseStamp(std::string_view text) {
    if (text.size() < 2 || text.front() != 'w') {
        return std::nullopt;
    }
    const auto parts = Split(text.substr(1), '-');
    if (parts.size() != 5) {
        return std::nullopt;
    }
    const auto y = Number(parts[0], 4, 0, 9999);
    const auto mo = Number(parts[1], 2, 0, 99);
    const auto d = Number(parts[2], 2, 0, 99);
    const auto h = Number(parts[3], 2, 0, 99);
    const auto mi = Number(parts[4], 2, 0, 99);
    if (!y || !mo || !d || !h || !mi) {
        return std::nullopt;
    }
    return LastWriteTime{static_cast<uint16_t>(*y), static_cast<uint8_t>(*mo),
                         static_cast<uint8_t>(*d), static_cast<uint8_t>(*h),
                         static_cast<uint8_t>(*mi)};
}

// What ParseStamp reads back; a year of 0 is no stamp.
bool StampFitsName(const LastWriteTime& stamp) {
    return stamp.year >= 1 && stamp.year <= 9999 && stamp.month <= 99 && stamp.day <= 99 &&
           stamp.hour <= 99 && stamp.minute <= 99;
}

template <typename T, size_t N, typename Name>
std::optional<T> ByName(const std::array<T, N>& all, Name name, std::string_view text) {
    for (const T value : all) {
        if (name(value) == text) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string_view EntryExtension(HistoryJob job) {
    return IsCalibrationJob(job) ? ".vkfa" : ".Vkf";
}

std::string EntryFileName(const EntryName& name) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d", name.time.year,
                  name.time.month, name.time.day, name.time.hour, name.time.minute,
                  name.time.second);
    std::string result = stamp;
    result += "_";
    result += RadioKindName(name.kind);
    result += "_";
    result += HistoryJobName(name.job);
    if (StampFitsName(name.radioStamp)) {
        const LastWriteTime& w = name.radioStamp;
        std::snprintf(stamp, sizeof stamp, "_w%04u-%02u-%02u-%02u-%02u", unsigned{w.year},
                      unsigned{w.month}, unsigned{w.day}, unsigned{w.hour}, unsigned{w.minute});
        result += stamp;
    }
    if (name.sequence > 1) {
        result += "_";
        result += std::to_string(name.sequence);
    }
    result += EntryExtension(name.job);
    return result;
}

std::optional<EntryName> ParseEntryFileName(std::string_view fileName) {
    const size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view extension = fileName.substr(dot);
    const auto parts = Split(fileName.substr(0, dot), '_');
    if (parts.size() < 4 || parts.size() > 6) {
        return std::nullopt;
    }
    EntryName name;
    HistoryTime& t = name.time;
    const auto kind = ByName(kEntryKinds, RadioKindName, parts[2]);
    const auto job = ByName(kEntryJobs, HistoryJobName, parts[3]);
    if (!ParseDate(parts[0], t.year, t.month, t.day) ||
        !ParseClock(parts[1], t.hour, t.minute, t.second) || !kind || !job ||
        extension != EntryExtension(*job)) {
        return std::nullopt;
    }
    name.kind = *kind;
    name.job = *job;
    size_t next = 4;
    if (next < parts.size()) {
        if (const auto stamp = ParseStamp(parts[next])) {
            name.radioStamp = *stamp;
            ++next;
        }
    }
    if (next < parts.size()) {
        const auto sequence = Number(parts[next], 0, 2, kLastEntrySequence);
        if (!sequence || parts[next].front() == '0') {
            return std::nullopt;
        }
        name.sequence = *sequence;
        ++next;
    }
    if (next != parts.size()) {
        return std::nullopt;
    }
    return name;
}

}  // namespace radioprog
