#pragma once
// Bytes written whole to a descriptor the program holds, whatever it is: a file, a pipe, a
// terminal, or one handed over non-blocking.

#include <string_view>

namespace radioprog::cli {

// 0 when every byte was written, else the errno of the write that failed (EIO when a write
// took nothing).
int WriteAll(int fd, std::string_view bytes);

}  // namespace radioprog::cli
