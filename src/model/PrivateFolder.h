#pragma once
// Folders of the user's own data (the read history, the programming log): created with any
// missing parents for the user alone, like mkdir -p -m 0700. A folder already there is only
// looked at, never created again, so nothing outside the new folders is touched.

#include <string>

namespace radioprog {

// Empty when folder is there (or now made) and is a folder; otherwise why not.
std::string MakePrivateFolder(const std::string& folder);

}  // namespace radioprog
