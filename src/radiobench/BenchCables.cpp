#include "radiobench/BenchCables.h"

#include <algorithm>

namespace radioprog {

std::vector<BenchCable> BenchCablesOf(const PortMap& map) {
    std::vector<BenchCable> cables;
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
        if (const std::optional<std::string> device = map.PathOf(n)) {
            cables.push_back({n, *device});
        }
    }
    return cables;
}

CableChanges CompareCables(const std::vector<BenchCable>& shown,
                           const std::vector<BenchCable>& present) {
    const auto contains = [](const std::vector<BenchCable>& list, const BenchCable& cable) {
        return std::find(list.begin(), list.end(), cable) != list.end();
    };
    CableChanges changes;
    for (const BenchCable& cable : present) {
        if (!contains(shown, cable)) {
            changes.added.push_back(cable);
        }
    }
    for (const BenchCable& cable : shown) {
        if (!contains(present, cable)) {
            changes.gone.push_back(cable);
        }
    }
    return changes;
}

}  // namespace radioprog
