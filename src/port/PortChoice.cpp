#include "port/PortChoice.h"

#include <algorithm>

#include "port/PosixSerialPort.h"

namespace radioprog {

bool PortList::Append(int portNumber) {
    if (portNumber < kFirstPortNumber || portNumber > kLastPortNumber || Contains(portNumber) ||
        count_ >= numbers_.size()) {
        return false;
    }
    numbers_[count_++] = static_cast<uint8_t>(portNumber);
    return true;
}

bool PortList::Contains(int portNumber) const {
    auto listed = Numbers();
    return std::find(listed.begin(), listed.end(), portNumber) != listed.end();
}

void ProbePorts(PortChoice& choice) {
    choice.map = choice.source.Build();
    choice.portList.Clear();
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
        std::optional<std::string> device = choice.map.PathOf(n);
        if (device && CanOpenExclusively(*device, choice.lockFolder)) {
            choice.portList.Append(n);
        }
    }
}

void KeepPortNumberPresent(PortChoice& choice) {
    if (!choice.portList.Contains(choice.portNumber)) {
        choice.portNumber = 1;
    }
}

}  // namespace radioprog
