#include "model/FileRecognition.h"

#include <string_view>

namespace radioprog {

namespace {

bool IsLineSpace(uint8_t byte) {
    return byte == '\t' || byte == '\n' || byte == '\r';
}

bool IsPrintableAscii(uint8_t byte) {
    return (byte >= 0x20 && byte < 0x7F) || IsLineSpace(byte);
}

bool IsControl(uint8_t byte) {
    return (byte < 0x20 && !IsLineSpace(byte)) || byte == 0x7F;
}

bool LooksLikeText(std::span<const uint8_t> bytes) {
    size_t printable = 0;
    size_t control = 0;
    bool lineBreak = false;
    for (const uint8_t byte : bytes) {
        if (byte == 0) {
            return false;
        }
        lineBreak = lineBreak || byte == '\n' || byte == '\r';
        printable += IsPrintableAscii(byte) ? 1 : 0;
        control += IsControl(byte) ? 1 : 0;
    }
    return lineBreak && control * 100 <= bytes.size() && printable * 4 >= bytes.size() * 3;
}

std::string_view Trimmed(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

// The first line that holds something, without a byte order mark.
std::string_view FirstLine(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        if (!line.empty() || end == std::string_view::npos) {
            return line;
        }
        text.remove_prefix(end + 1);
    }
    return {};
}

bool IsIniLine(std::string_view line) {
    return (line.starts_with('[') && line.ends_with(']')) || line.starts_with(';') ||
           (line.find('=') != std::string_view::npos && line.find(',') == std::string_view::npos);
}

// A channel list's caption row: several cells apart by commas or tabs.
bool IsTableLine(std::string_view line) {
    size_t separators = 0;
    for (const char c : line) {
        separators += c == ',' || c == '\t' ? 1 : 0;
    }
    return separators >= 2;
}

}  // namespace

std::optional<std::string> TextFileKind(std::span<const uint8_t> bytes) {
    if (!LooksLikeText(bytes)) {
        return std::nullopt;
    }
    const std::string_view line =
        FirstLine({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    if (IsTableLine(line)) {
        return "it looks like a channel list";
    }
    if (IsIniLine(line)) {
        return "it looks like an INI file";
    }
    return "it is a text file";
}

}  // namespace radioprog
