#include "model/IniFile.h"

#include <algorithm>
#include <cstdint>

namespace radioprog {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// DOS editors end a text file with this byte; readers stop there.
constexpr char kEndOfFileMark = '\x1A';

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Whether bytes start with a UTF-16 byte order mark, and in which order.
std::optional<bool> Utf16BigEndian(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) {
        return false;
    }
    if (bytes.starts_with("\xFE\xFF")) {
        return true;
    }
    return std::nullopt;
}

// The UTF-16 text after the byte order mark as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    constexpr uint32_t kReplacement = 0xFFFD;
    std::string out;
    const auto unit = [&](size_t at) {
        const auto high = static_cast<uint8_t>(bytes[bigEndian ? at : at + 1]);
        const auto low = static_cast<uint8_t>(bytes[bigEndian ? at + 1 : at]);
        return static_cast<uint32_t>(high << 8 | low);
    };
    for (size_t at = 2; at + 1 < bytes.size(); at += 2) {
        const uint32_t first = unit(at);
        if (first >= 0xD800 && first < 0xDC00 && at + 3 < bytes.size()) {
            const uint32_t second = unit(at + 2);
            if (second >= 0xDC00 && second < 0xE000) {
                AppendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
                at += 2;
                continue;
            }
        }
        AppendUtf8(out, first >= 0xD800 && first < 0xE000 ? kReplacement : first);
    }
    return out;
}

}  // namespace

bool SameIniName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
               return lower(x) == lower(y);
           });
}

IniDocument::IniDocument(std::string_view text) {
    if (text.starts_with(kUtf8ByteOrderMark)) {
        byteOrderMark_ = kUtf8ByteOrderMark;
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }
    if (const size_t mark = text.find(kEndOfFileMark); mark != std::string_view::npos) {
        afterEndOfFile_ = text.substr(mark);
        text = text.substr(0, mark);
    }
    std::string section;
    bool newLineKnown = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view body = text.substr(0, end);
        std::string lineEnd;
        if (end != std::string_view::npos) {
            lineEnd = "\n";
            if (body.ends_with('\r')) {
                body.remove_suffix(1);
                lineEnd = "\r\n";
            }
            if (!newLineKnown) {
                newLine_ = lineEnd;
                newLineKnown = true;
            }
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        Line line = Classify(body, section);
        line.end = std::move(lineEnd);
        if (line.kind == Kind::Section) {
            section = line.section;
        }
        lines_.push_back(std::move(line));
    }
}

IniDocument::Line IniDocument::Classify(std::string_view text, const std::string& section) {
    Line line;
    line.text = text;
    const std::string_view content = Trimmed(text);
    if (content.empty()) {
        line.kind = Kind::Blank;
    } else if (content.front() == ';' || content.front() == '#') {
        line.kind = Kind::Comment;
    } else if (content.front() == '[' && content.find(']') != std::string_view::npos) {
        const size_t close = content.find(']');
        const std::string_view rest = Trimmed(content.substr(close + 1));
        line.kind = Kind::Section;
        line.section = Trimmed(content.substr(1, close - 1));
        line.tidy = rest.empty() || rest.front() == ';' || rest.front() == '#';
    } else if (const size_t sign = content.find('=');
               sign != std::string_view::npos && !Trimmed(content.substr(0, sign)).empty()) {
        line.kind = Kind::Key;
        line.section = section;
        line.key = Trimmed(content.substr(0, sign));
    }
    return line;
}

std::optional<size_t> IniDocument::LastLineOf(std::string_view section,
                                              std::string_view key) const {
    for (size_t i = lines_.size(); i-- > 0;) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Key && SameIniName(line.section, section) &&
            SameIniName(line.key, key)) {
            return i;
        }
    }
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::optional<size_t> at = LastLineOf(section, key);
    if (!at) {
        Insert(section, std::string(key) + "=" + std::string(value));
        return;
    }
    std::string& text = lines_[*at].text;
    size_t valueStart = text.find('=') + 1;
    if (Trimmed(std::string_view(text).substr(valueStart)) == Trimmed(value)) {
        return;  // as it stands, spaces and all
    }
    while (valueStart < text.size() && (text[valueStart] == ' ' || text[valueStart] == '\t')) {
        ++valueStart;
    }
    text = text.substr(0, valueStart) + std::string(value);
}

void IniDocument::Insert(std::string_view section, std::string_view text) {
    Line line = Classify(text, std::string(section));
    line.end = newLine_;
    std::optional<size_t> after;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if ((lines_[i].kind == Kind::Key || lines_[i].kind == Kind::Section) &&
            SameIniName(lines_[i].section, section)) {
            after = i;
        }
    }
    if (!lines_.empty() && lines_.back().end.empty()) {
        lines_.back().end = newLine_;
    }
    if (after) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*after + 1), std::move(line));
        return;
    }
    if (!lines_.empty() && lines_.back().kind != Kind::Blank) {
        lines_.push_back(Line{Kind::Blank, "", newLine_, "", "", true});
    }
    lines_.push_back(Classify("[" + std::string(section) + "]", ""));
    lines_.back().end = newLine_;
    lines_.push_back(std::move(line));
}

void IniDocument::Remove(std::string_view section, std::string_view key) {
    std::erase_if(lines_, [&](const Line& line) {
        return line.kind == Kind::Key && SameIniName(line.section, section) &&
               SameIniName(line.key, key);
    });
}

std::optional<std::string> IniDocument::FirstLineNotOurs(
    const std::function<bool(std::string_view section, std::string_view key)>& ours) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        const bool fits = line.kind == Kind::Blank || line.kind == Kind::Comment ||
                          (line.kind == Kind::Section && line.tidy && ours(line.section, {})) ||
                          (line.kind == Kind::Key && ours(line.section, line.key));
        if (!fits) {
            return "line " + std::to_string(i + 1);
        }
    }
    if (afterEndOfFile_.find_first_not_of(std::string{kEndOfFileMark} + " \t\r\n") !=
        std::string::npos) {
        return "what follows its end-of-file mark";
    }
    return std::nullopt;
}

std::string IniDocument::Text() const {
    std::string text = byteOrderMark_;
    for (const Line& line : lines_) {
        text += line.text;
        text += line.end;
    }
    return text + afterEndOfFile_;
}

FileRead LoadIniFile(CSimpleIniA& ini, const std::string& path, std::string* why,
                     std::optional<IniDocument>* lines) {
    RegularFileContents file = ReadRegularFile(path, kMaxIniFileBytes, LongerFile::Refuse);
    if (lines != nullptr) {
        lines->reset();
    }
    if (file.status == FileRead::Read) {
        std::string text(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
        if (const std::optional<bool> bigEndian = Utf16BigEndian(text)) {
            text = Utf16ToUtf8(text, *bigEndian);
        } else if (text.find('\0') != std::string::npos) {
            file.status = FileRead::Unreadable;
            file.why = "it holds NUL bytes, so it is not a configuration file";
        } else if (lines != nullptr) {
            lines->emplace(text);
        }
        // The reader stops where a DOS reader would, as the lines do.
        text.resize(std::min(text.find(kEndOfFileMark), text.size()));
        if (file.status == FileRead::Read && ini.LoadData(text.data(), text.size()) < 0) {
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
