#include "appdata/Settings.h"

#include <filesystem>

#include "port/PortChoice.h"
#include "port/PortMap.h"

namespace radioprog {

SettingsLoad LoadSettings(const std::string& path, AppData& data, MissingConfiguration missing) {
    SettingsLoad result;
    // A name that cannot be looked up (a loop of links) is not missing: the loader says why.
    std::error_code error;
    if (missing == MissingConfiguration::LeaveAlone && !std::filesystem::exists(path, error) &&
        !error) {
        result.load = ConfigLoad::Failed;  // defaults in force, nothing written
    } else {
        result.load = LoadConfiguration(path, data.config, data.band, &result.why);
    }
    TakeFromConfiguration(data.port, data.config);
    data.port.source.explicitPorts = ReadExplicitPorts(path);
    return result;
}

std::string SettingsLoad::Warning(const std::string& path) const {
    if (load != ConfigLoad::Unreadable) {
        return {};
    }
    return "Cannot read the configuration " + path + ": " + why +
           "; going on with the defaults, and the file is left as it is";
}

}  // namespace radioprog
