#pragma once
// How the programming window names the port it is about to use: "COM2 - /dev/ttyUSB1, CH340".
// The number is what the user picked, the device is what the number stands for now, and the
// adapter's own name tells two cables apart when both are plugged in.

#include <QString>

#include "port/PortMap.h"

namespace radioprog::ui {

// What the USB adapter behind devicePath calls itself (its product string, else its driver's
// name), read from the kernel's device tree under sysRoot; empty for a device with neither.
QString AdapterName(const QString& devicePath, const QString& sysRoot = QStringLiteral("/sys"));

// "COM2 - /dev/ttyUSB1, CH340"; without an adapter name "COM2 - /dev/pts/3"; "COM2" alone
// when the number has no device.
QString PortDescription(const PortMap& map, int portNumber,
                        const QString& sysRoot = QStringLiteral("/sys"));

}  // namespace radioprog::ui
