#pragma once
// What a file operation tells its caller: success, or why not in words that name the file.

#include <string>
#include <utility>

namespace radioprog {

struct FileResult {
    FileResult() = default;
    FileResult(bool succeeded, std::string why) : ok(succeeded), message(std::move(why)) {}

    bool ok = true;
    std::string message;  // why it failed, naming the file
    // The file was read but is not what it was opened as: bad data rather than a file that
    // cannot be read.
    bool notThisKind = false;
    // On success: what the user should still know (a short file only partly replaced the data).
    std::string notice;
    explicit operator bool() const { return ok; }
};

}  // namespace radioprog
