#include "model/IniFile.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace radioprog {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Why text is not an INI file, or nothing when every line is one an INI file holds.
std::optional<std::string> WhyNotIni(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) {
        return "it holds NUL bytes, so it is not a configuration file";
    }
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    size_t number = 0;
    while (!text.empty()) {
        ++number;
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        while (!line.empty() && IsBlank(line.front())) {
            line.remove_prefix(1);
        }
        while (!line.empty() && IsBlank(line.back())) {
            line.remove_suffix(1);
        }
        const bool fits = line.empty() || line.front() == ';' || line.front() == '#' ||
                          (line.front() == '[' && line.back() == ']') ||
                          line.find('=') != std::string_view::npos;
        if (!fits) {
            return "line " + std::to_string(number) +
                   " is not a section, a key, a comment or blank, so it is not a configuration "
                   "file";
        }
    }
    return std::nullopt;
}

}  // namespace

FileRead LoadIniFile(CSimpleIniA& ini, const std::string& path, std::string* why) {
    RegularFileContents file = ReadRegularFile(path, kMaxIniFileBytes, LongerFile::Refuse);
    if (file.status == FileRead::Read) {
        const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()),
                                    file.bytes.size());
        if (const auto notIni = WhyNotIni(text)) {
            file.status = FileRead::Unreadable;
            file.why = *notIni;
        } else if (ini.LoadData(text.data(), text.size()) < 0) {
            file.status = FileRead::Unreadable;
            file.why = "it is not an INI file";
        }
    }
    if (why != nullptr) {
        *why = file.why;
    }
    return file.status;
}

}  // namespace radioprog
