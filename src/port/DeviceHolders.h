#pragma once
// Which other process has a device open, read from /proc. Serial lines are shared silently
// by the kernel: a terminal program or a modem manager probing a new adapter holds the line
// without any lock, and two programs talking at once corrupt each other's transfers.

#include <sys/types.h>

#include <optional>
#include <string>

namespace radioprog {

struct DeviceHolder {
    pid_t pid = 0;
    std::string name;  // the process's command name; empty when it cannot be read
};

// The process's command name from procRoot/PID/comm, without the line end; empty if unknown.
std::string ProcessName(pid_t pid, const std::string& procRoot = "/proc");

// Another process that has devicePath open, or nothing. We ourselves never count, and for a
// pseudo-terminal neither does a process holding its master side: that is the far end of the
// line (a simulated radio keeps the device side open too, so the line survives our closes).
// Processes whose descriptors we may not read (other users' when we are not root) are skipped.
std::optional<DeviceHolder> FindOtherHolder(const std::string& devicePath,
                                            const std::string& procRoot = "/proc");

}  // namespace radioprog
