#include "MemoryFile.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <vector>

namespace radioprog {

MemoryFileLoad LoadMemoryFile(const std::string& path, RadioSimulator& radio) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return errno == ENOENT ? MemoryFileLoad::Missing : MemoryFileLoad::Unreadable;
    }
    std::vector<uint8_t> bytes(kRadioAddressSpace);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return MemoryFileLoad::Unreadable;
    }
    bytes.resize(static_cast<size_t>(in.gcount()));
    radio.LoadMemory(bytes);
    return MemoryFileLoad::Loaded;
}

bool SaveMemoryFile(const std::string& path, std::span<const uint8_t> memory) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(memory.data()),
                  static_cast<std::streamsize>(memory.size()));
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace radioprog
