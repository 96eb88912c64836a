#pragma once
// The serial port choice shared by the port dialog and the programming session.
//
// PortChoice (one instance, AppData::port) is what is in force while the program runs.
// ConfigValues::portNumber/autoSearchPort are only the configuration file's view:
// LoadSettings copies them in with TakeFromConfiguration after loading the file, and whoever
// saves the file copies them back with StoreInConfiguration just before. Nothing else reads
// the file's copy.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/Configuration.h"
#include "port/PortMap.h"
#include "port/UucpLock.h"

namespace radioprog {

// The port numbers that could be opened at the last probe, ascending, each at most once.
class PortList {
  public:
    void Clear() { count_ = 0; }
    // False (and unchanged) for a number outside 1..9, one already listed, or a full list.
    bool Append(int portNumber);
    bool Contains(int portNumber) const;
    size_t Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    int operator[](size_t index) const { return numbers_[index]; }
    std::span<const uint8_t> Numbers() const { return {numbers_.data(), count_}; }

  private:
    std::array<uint8_t, kPortCount> numbers_{};
    uint8_t count_ = 0;
};

struct PortChoice {
    // The port used when autoSearchPort is off; 1..9.
    int32_t portNumber = 1;
    // On: the session tries every port of portList in turn and ignores portNumber.
    bool autoSearchPort = true;
    // Rewritten by ProbePorts only.
    PortList portList;
    // Number -> device, as of the last probe.
    PortMap map;
    PortMapSource source;
    // Where serial programs keep their UUCP lock files (tests point it elsewhere).
    std::string lockFolder = kLockFolder;
};

// Rebuilds choice.map from choice.source, then rewrites choice.portList from empty with
// every number 1..9 whose device can be opened for exclusive use right now (each opened
// and closed at once, no line settings touched). A device another program holds (lock
// file, exclusive flag, flock, or simply open) is left out. Numbers above 9 are never tried.
void ProbePorts(PortChoice& choice);

// After a probe: a portNumber that is not in portList falls back to 1 (even when port 1
// itself is absent).
void KeepPortNumberPresent(PortChoice& choice);

// The device path of portNumber in the current map, or nothing.
inline std::optional<std::string> DeviceOfPortNumber(const PortChoice& choice) {
    return choice.map.PathOf(choice.portNumber);
}

// A number the file holds outside 1..9 (edited by hand) names no port at all: port 1 is
// used, as for any number that is not present.
inline void TakeFromConfiguration(PortChoice& choice, const ConfigValues& config) {
    const bool valid =
        config.portNumber >= kFirstPortNumber && config.portNumber <= kLastPortNumber;
    choice.portNumber = valid ? config.portNumber : kFirstPortNumber;
    choice.autoSearchPort = config.autoSearchPort;
}

inline void StoreInConfiguration(const PortChoice& choice, ConfigValues& config) {
    config.portNumber = choice.portNumber;
    config.autoSearchPort = choice.autoSearchPort;
}

}  // namespace radioprog
