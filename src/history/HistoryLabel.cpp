#include "history/HistoryLabel.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/AtomicOutput.h"
#include "model/RegularFile.h"

namespace radioprog {

namespace {

// The label holds a customer's name: only its owner reads it, like the entry beside it.
constexpr mode_t kLabelMode = 0600;
// A label file longer than this was not written here; it is not read.
constexpr size_t kLabelFileLimit = kHistoryLabelLimit * 4 + 1;

// The code points of text, or nothing when it is not UTF-8 (overlong forms, surrogates and
// values past U+10FFFF included).
std::optional<std::vector<char32_t>> CodePoints(std::string_view text) {
    std::vector<char32_t> points;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<uint8_t>(text[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x6  ? 2
                              : (lead >> 4) == 0xE  ? 3
                              : (lead >> 3) == 0x1E ? 4
                                                    : 0;
        if (length == 0 || i + length > text.size()) {
            return std::nullopt;
        }
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<uint8_t>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            point = (point << 6) | (next & 0x3F);
        }
        constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < kShortest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
            return std::nullopt;
        }
        points.push_back(point);
        i += length;
    }
    return points;
}

// Line breaks of any kind end the one line a label is; the other control characters would
// move the cursor or the text of a terminal that lists the history.
bool IsControl(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) || point == 0x2028 || point == 0x2029;
}

std::string_view WithoutSpacesAround(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsPlainFileOrMissing(const std::string& path, std::string& why) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            return true;
        }
        why = std::strerror(errno);
        return false;
    }
    if (S_ISLNK(info.st_mode)) {
        why = "it is a symbolic link";
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        why = WhyNotRegularFile(info.st_mode);
        return false;
    }
    return true;
}

}  // namespace

std::string HistoryLabelPath(const std::string& entryPath) {
    return entryPath + ".label";
}

std::optional<std::string> HistoryLabelRefusal(std::string_view text) {
    const auto points = CodePoints(text);
    if (!points) {
        return "it is not UTF-8 text";
    }
    for (const char32_t point : *points) {
        if (IsControl(point)) {
            return "a label is one line without control characters";
        }
    }
    if (points->size() > kHistoryLabelLimit) {
        return "a label holds at most " + std::to_string(kHistoryLabelLimit) + " characters";
    }
    return std::nullopt;
}

std::string ReadHistoryLabel(const std::string& entryPath) {
    const std::string path = HistoryLabelPath(entryPath);
    std::string why;
    if (!IsPlainFileOrMissing(path, why)) {
        return {};
    }
    const RegularFileContents read = ReadRegularFile(path, kLabelFileLimit, LongerFile::Refuse);
    if (read.status != FileRead::Read) {
        return {};
    }
    std::string text(read.bytes.begin(), read.bytes.end());
    if (text.ends_with('\n')) {
        text.pop_back();
    }
    // A file edited by hand into something we would not write is no label.
    return HistoryLabelRefusal(text) ? std::string() : std::string(WithoutSpacesAround(text));
}

FileResult SetHistoryLabel(const HistoryEntry& entry, std::string_view text) {
    const std::string path = HistoryLabelPath(entry.path);
    const auto refused = [&path](const std::string& why) {
        return FileResult{false, "Cannot label the history entry with \"" + path + "\": " + why};
    };
    if (const auto why = HistoryLabelRefusal(text)) {
        return refused(*why);
    }
    std::string why;
    if (!IsPlainFileOrMissing(path, why)) {
        return refused(why);
    }
    const std::string_view label = WithoutSpacesAround(text);
    if (label.empty()) {
        return RemoveHistoryLabel(entry.path) ? FileResult{} : refused(std::strerror(errno));
    }
    // An entry trimmed meanwhile must not leave a label behind for a later read of its name.
    if (access(entry.path.c_str(), F_OK) != 0) {
        return refused("its entry is no longer in the history");
    }
    std::string line(label);
    line += '\n';
    const auto* bytes = reinterpret_cast<const uint8_t*>(line.data());
    return WriteFileAtomically(path, {bytes, line.size()}, kLabelMode);
}

bool RemoveHistoryLabel(const std::string& entryPath) {
    const std::string path = HistoryLabelPath(entryPath);
    std::string why;
    if (!IsPlainFileOrMissing(path, why)) {
        errno = EEXIST;
        return false;
    }
    return unlink(path.c_str()) == 0 || errno == ENOENT;
}

}  // namespace radioprog
