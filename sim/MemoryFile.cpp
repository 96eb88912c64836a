#include "MemoryFile.h"

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
    return WriteFileAtomically(path, memory);
}

}  // namespace radioprog
