#pragma once
// The last resort of the atomic writer: when the folder refuses the new copy that would
// replace a file in one step, a file we may write is rewritten where it is. The old contents
// are gone once the first byte lands, so this starts only when every byte is ready and the
// file can take them all.

#include <cstdint>
#include <span>
#include <string>

#include "model/FileResult.h"

namespace radioprog {

// Writes bytes over the regular file at target (path is the name the user gave, for the
// messages) and cuts it to their length. Refused, with the file untouched, when the file
// would grow past the process's file size limit or the free space of its file system; on
// success the notice says the file was rewritten in place.
FileResult RewriteInPlace(const std::string& path, const std::string& target,
                          std::span<const uint8_t> bytes);

}  // namespace radioprog
