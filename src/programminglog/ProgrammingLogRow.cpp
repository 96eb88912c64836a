#include "programminglog/ProgrammingLogRow.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "channellist/TextTable.h"

namespace radioprog {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence starting text[at] (no overlong forms, surrogates
// or code points past U+10FFFF), or 0.
size_t Utf8SequenceLength(std::string_view text, size_t at) {
    const auto lead = static_cast<uint8_t>(text[at]);
    if (lead < 0x80) {
        return 1;
    }
    const size_t length = (lead & 0xE0) == 0xC0   ? 2
                          : (lead & 0xF0) == 0xE0 ? 3
                          : (lead & 0xF8) == 0xF0 ? 4
                                                  : 0;
    if (length == 0 || at + length > text.size()) {
        return 0;
    }
    uint32_t code = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<uint8_t>(text[at + k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    const uint32_t lowest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

// A file name on Linux is any bytes but '/' and NUL; one that is not UTF-8 (or a stray zero
// byte in any field) would make the whole log unreadable to a CSV reader, so such bytes are
// shown as U+FFFD instead.
std::string LogText(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t length = text[at] == '\0' ? 0 : Utf8SequenceLength(text, at);
        if (length == 0) {
            clean += kReplacementCharacter;
            ++at;
        } else {
            clean.append(text, at, length);
            at += length;
        }
    }
    return clean;
}

std::string FormatRow(const std::vector<std::string>& cells) {
    return FormatTextTable({cells}, ',', kProgrammingLogLineEnd);
}

}  // namespace

std::string ProgrammingLogHeader() {
    return FormatRow({"time", "port", "device", "radio kind", "job", "result", "verify",
                      "project file", "checksum", "backup file"});
}

std::string FormatProgrammingLogRow(const ProgrammingLogLine& line) {
    return FormatRow({LocalIsoTime(line.time), LogText(line.port), LogText(line.device),
                      LogText(line.radioKind), LogText(line.job), LogText(line.result),
                      LogText(line.verify), LogText(line.projectFile), LogText(line.checksum),
                      LogText(line.backupFile)});
}

std::string LocalIsoTime(std::chrono::system_clock::time_point time) {
    const time_t seconds = std::chrono::system_clock::to_time_t(time);
    tm local{};
    localtime_r(&seconds, &local);
    char dateTime[64];
    std::strftime(dateTime, sizeof dateTime, "%Y-%m-%dT%H:%M:%S", &local);
    const int offsetMinutes = static_cast<int>(local.tm_gmtoff / 60);
    char offset[32];
    std::snprintf(offset, sizeof offset, "%c%02d:%02d", offsetMinutes < 0 ? '-' : '+',
                  std::abs(offsetMinutes) / 60, std::abs(offsetMinutes) % 60);
    return std::string(dateTime) + offset;
}

}  // namespace radioprog
