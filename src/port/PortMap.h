#pragma once
// Which device stands behind each of the nine port numbers the tool offers. Users and
// saved settings only ever see the numbers 1..9; this map turns them into device paths.
//
// An explicit key COMn=/dev/... in the section "ports" of the configuration file wins for
// its number; the numbers left over are given, in order, to the serial devices present
// (USB adapters first, then ACM modems, then built-in UARTs, each in natural order).

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace radioprog {

inline constexpr int kFirstPortNumber = 1;
inline constexpr int kLastPortNumber = 9;
inline constexpr int kPortCount = kLastPortNumber - kFirstPortNumber + 1;

class PortMap {
  public:
    // Empty path: the number has no device.
    void Assign(int portNumber, std::string devicePath);
    // The device behind portNumber, or nothing (numbers outside 1..9 never have one).
    std::optional<std::string> PathOf(int portNumber) const;
    bool HasDevice(int portNumber) const { return PathOf(portNumber).has_value(); }

  private:
    std::array<std::string, kPortCount> paths_;
};

// The explicit COMn keys of the section "ports" of the INI file at configPath. Keys that
// are not COM1..COM9 (case-insensitive) and empty values are ignored; a missing or
// unreadable file gives none.
std::map<int, std::string> ReadExplicitPorts(const std::string& configPath);

// The serial devices present in deviceFolder (normally "/dev"): ttyUSB*, then ttyACM*, then
// ttyS*, each in natural order (ttyS2 before ttyS10). Paths are deviceFolder + "/" + name.
std::vector<std::string> ScanSerialDevices(const std::string& deviceFolder);

// Explicit entries first; then the remaining numbers in ascending order take the present
// devices in the order given, skipping any device an explicit entry already names.
PortMap BuildPortMap(const std::map<int, std::string>& explicitPorts,
                     const std::vector<std::string>& presentDevices);

// Where a PortMap comes from. Rebuilt at every probe, so a cable plugged in while the tool
// runs is found at the next session. Tests replace scanDevices with their own list.
struct PortMapSource {
    std::map<int, std::string> explicitPorts;
    std::function<std::vector<std::string>()> scanDevices = [] {
        return ScanSerialDevices("/dev");
    };

    PortMap Build() const { return BuildPortMap(explicitPorts, scanDevices()); }
};

}  // namespace radioprog
