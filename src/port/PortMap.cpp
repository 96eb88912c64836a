#include "port/PortMap.h"

#include <dirent.h>

#include <algorithm>
#include <cctype>
#include <string_view>

#include "model/IniFile.h"

namespace radioprog {

namespace {

bool IsPortNumber(int n) {
    return n >= kFirstPortNumber && n <= kLastPortNumber;
}

// "COM1".."COM9" in any case; anything else (COM0, COM10, COM01, LPT1) is not a port key.
std::optional<int> PortNumberOfKey(std::string_view key) {
    if (key.size() != 4) {
        return std::nullopt;
    }
    for (size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(key[i])) != "COM"[i]) {
            return std::nullopt;
        }
    }
    int n = key[3] - '0';
    if (!IsPortNumber(n)) {
        return std::nullopt;
    }
    return n;
}

// The number after prefix when name is prefix followed by decimal digits only.
std::optional<unsigned long> DeviceIndex(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) {
        return std::nullopt;
    }
    std::string_view digits = name.substr(prefix.size());
    if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        })) {
        return std::nullopt;
    }
    return std::stoul(std::string(digits));
}

std::vector<std::string> EntryNames(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (dirent* entry = readdir(dir)) {
        names.emplace_back(entry->d_name);
    }
    closedir(dir);
    return names;
}

}  // namespace

void PortMap::Assign(int portNumber, std::string devicePath) {
    if (IsPortNumber(portNumber)) {
        paths_[portNumber - kFirstPortNumber] = std::move(devicePath);
    }
}

std::optional<std::string> PortMap::PathOf(int portNumber) const {
    if (!IsPortNumber(portNumber) || paths_[portNumber - kFirstPortNumber].empty()) {
        return std::nullopt;
    }
    return paths_[portNumber - kFirstPortNumber];
}

std::map<int, std::string> ReadExplicitPorts(const std::string& configPath) {
    std::map<int, std::string> ports;
    CSimpleIniA ini;
    if (LoadIniFile(ini, configPath) != FileRead::Read) {
        return ports;
    }
    CSimpleIniA::TNamesDepend keys;
    ini.GetAllKeys("ports", keys);
    for (const auto& key : keys) {
        std::optional<int> n = PortNumberOfKey(key.pItem);
        const char* value = ini.GetValue("ports", key.pItem, "");
        if (n && value != nullptr && value[0] != '\0') {
            ports[*n] = value;
        }
    }
    return ports;
}

std::vector<std::string> ScanSerialDevices(const std::string& deviceFolder) {
    static constexpr std::array<std::string_view, 3> kFamilies = {"ttyUSB", "ttyACM", "ttyS"};
    const std::vector<std::string> names = EntryNames(deviceFolder);
    std::vector<std::string> devices;
    for (std::string_view family : kFamilies) {
        std::vector<std::pair<unsigned long, std::string>> found;
        for (const std::string& name : names) {
            if (auto index = DeviceIndex(name, family)) {
                found.emplace_back(*index, name);
            }
        }
        std::sort(found.begin(), found.end());
        for (const auto& [index, name] : found) {
            devices.push_back(std::string(deviceFolder).append("/").append(name));
        }
    }
    return devices;
}

PortMap BuildPortMap(const std::map<int, std::string>& explicitPorts,
                     const std::vector<std::string>& presentDevices) {
    PortMap map;
    for (const auto& [number, path] : explicitPorts) {
        map.Assign(number, path);
    }
    auto explicitlyNamed = [&](const std::string& device) {
        return std::any_of(explicitPorts.begin(), explicitPorts.end(),
                           [&](const auto& entry) { return entry.second == device; });
    };
    auto next = presentDevices.begin();
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
        if (map.HasDevice(n)) {
            continue;
        }
        while (next != presentDevices.end() && explicitlyNamed(*next)) {
            ++next;
        }
        if (next == presentDevices.end()) {
            break;
        }
        map.Assign(n, *next++);
    }
    return map;
}

}  // namespace radioprog
