#pragma once
// What a file operation tells its caller: success, or why not in words that name the file.

#include <string>

namespace radioprog {

struct FileResult {
    bool ok = true;
    std::string message;  // why it failed, naming the file
    explicit operator bool() const { return ok; }
};

}  // namespace radioprog
