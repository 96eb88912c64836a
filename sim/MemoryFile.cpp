#include "MemoryFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "model/AtomicOutput.h"
#include "model/RegularFile.h"

namespace radioprog {

MemoryFileLoad LoadMemoryFile(const std::string& path, RadioSimulator& radio, std::string* why) {
    const RegularFileContents file = ReadRegularFile(path, kRadioAddressSpace, LongerFile::Refuse);
    if (why != nullptr) {
        *why = file.why;
    }
    switch (file.status) {
        case FileRead::Read:
            radio.LoadMemory(file.bytes);
            return MemoryFileLoad::Loaded;
        case FileRead::Missing:
            return MemoryFileLoad::Missing;
        case FileRead::Unreadable:
            break;
    }
    return MemoryFileLoad::Unreadable;
}

FileResult SaveMemoryFile(const std::string& path, std::span<const uint8_t> memory) {
    return WriteAtomically(path, [memory](const std::string& temporary) -> FileResult {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(memory.data()),
                  static_cast<std::streamsize>(memory.size()));
        out.close();
        if (!out) {
            return {false, "Cannot write " + temporary + ": " + std::strerror(errno)};
        }
        return {};
    });
}

}  // namespace radioprog
