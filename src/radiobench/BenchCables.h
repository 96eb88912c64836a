#pragma once
// The cables of the bench: every port number that has a device now, and what changed since the
// rows were last laid out, so that a cable plugged in or pulled out shows at the next rescan.

#include <string>
#include <vector>

#include "port/PortMap.h"

namespace radioprog {

struct BenchCable {
    int portNumber = 0;
    std::string device;
    bool operator==(const BenchCable&) const = default;
};

// Every number 1..9 with a device, ascending.
std::vector<BenchCable> BenchCablesOf(const PortMap& map);

struct CableChanges {
    std::vector<BenchCable> added;
    // A number that now stands for another device is gone and added: the cable behind the row
    // is not the one it was.
    std::vector<BenchCable> gone;
    bool Any() const { return !added.empty() || !gone.empty(); }
};

CableChanges CompareCables(const std::vector<BenchCable>& shown,
                           const std::vector<BenchCable>& present);

}  // namespace radioprog
