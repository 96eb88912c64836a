#include "port/CableRule.h"

#include <sys/stat.h>

namespace radioprog {

// The build passes the installed path (cmake/RadioProgInstallPaths.cmake).
const char* const kCableRulePath = RADIOPROG_CABLE_RULE;

std::string CableRuleAdvice(const std::string& rulePath) {
    struct stat info {};
    if (stat(rulePath.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {};
    }
    // The rule only acts when a cable is plugged in (or udev is told to look again), and the
    // access it grants follows the local desktop session, not a remote login.
    return " For CH340/CH341, PL2303, CP210x and FTDI cables the rule " + rulePath +
           " is installed: unplug the cable and plug it in again while logged in at the "
           "desktop.";
}

}  // namespace radioprog
