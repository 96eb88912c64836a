#pragma once
// INI files: read through SimpleIni, key by key as INI readers do (a line that is no section,
// key, comment or blank is passed over, not taken as a reason to drop the rest), and written
// back line by line: changing a key rewrites only that key's line, so whatever else the file
// holds (comments, spaces around values, CRLF line ends, a byte order mark, a DOS end-of-file
// mark) stays as it was. SimpleIni is used with narrow strings only, so no Unicode converter
// library is needed (file texts are kept as the bytes they are). The packaged header keeps
// its template bodies behind SI_IMPLEMENTATION; we instantiate them ourselves rather than
// link the packaged library, which drags in ICU.

#ifndef SI_NO_CONVERSION
#define SI_NO_CONVERSION
#endif
#ifndef SI_IMPLEMENTATION
#define SI_IMPLEMENTATION
#endif
#include <SimpleIni.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/RegularFile.h"

namespace radioprog {

// A configuration is a few kilobytes; anything past this is not one.
inline constexpr size_t kMaxIniFileBytes = size_t{1024} * 1024;

// The lines of an INI file, for writing it back.
class IniDocument {
  public:
    // An empty document; new lines end in "\n".
    IniDocument() = default;
    // The text of a file (UTF-8 or 8-bit; see LoadIniFile for UTF-16).
    explicit IniDocument(std::string_view text);

    // Gives key the value. The line the reader takes the key from (the last one, matched
    // regardless of case) is rewritten, and only when the value differs; else a line is added
    // after the section's last key, or the section at the end of the file.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes every line of key in section.
    void Remove(std::string_view section, std::string_view key);

    // The first line that is not blank, a comment, or a section or key that ours accepts,
    // in words ("line 3"); nothing when the file is made only of those.
    std::optional<std::string> FirstLineNotOurs(
        const std::function<bool(std::string_view section, std::string_view key)>& ours) const;
    // The file's text with every change made.
    std::string Text() const;

  private:
    enum class Kind { Blank, Comment, Section, Key, Other };
    struct Line {
        Kind kind = Kind::Other;
        std::string text;     // without its line end
        std::string end;      // "\n", "\r\n", or empty for a last line without one
        std::string section;  // the section's name (Section) or the section it is in (Key)
        std::string key;      // Key only
        bool tidy = true;     // nothing but a comment follows a section's name
    };

    static Line Classify(std::string_view text, const std::string& section);
    std::optional<size_t> LastLineOf(std::string_view section, std::string_view key) const;
    void Insert(std::string_view section, std::string_view text);

    std::vector<Line> lines_;
    std::string byteOrderMark_;
    std::string afterEndOfFile_;  // from a DOS end-of-file byte on, kept as it was
    std::string newLine_ = "\n";
};

// Section and key names are matched regardless of case, as the reader matches them.
bool SameIniName(std::string_view a, std::string_view b);

// Loads a regular file of at most kMaxIniFileBytes into ini (and, when given, its lines into
// lines). A UTF-16 file (told by its byte order mark) is read as UTF-8 and has no lines: it is
// never written back. A file holding NUL bytes otherwise (a project or image named by mistake)
// is Unreadable: it is no text at all. why says what kept it out when it is Missing or
// Unreadable.
FileRead LoadIniFile(CSimpleIniA& ini, const std::string& path, std::string* why = nullptr,
                     std::optional<IniDocument>* lines = nullptr);

}  // namespace radioprog
