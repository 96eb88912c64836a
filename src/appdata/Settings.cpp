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
    // Only the desktop tool writes the configuration back, so only it has cause to say that
    // a file it read will be left alone.
    if (result.load == ConfigLoad::Loaded && missing == MissingConfiguration::LeaveAlone) {
        result.why.clear();
    }
    TakeFromConfiguration(data.port, data.config);
    data.port.source.explicitPorts = ReadExplicitPorts(path);
    return result;
}

std::string SettingsLoad::Warning(const std::string& path) const {
    if (load == ConfigLoad::Loaded && !why.empty()) {
        return "The configuration " + path + " was read, but it will not be written: " + why +
               ". Settings changed in this run are not kept in it.";
    }
    if (load != ConfigLoad::Unreadable) {
        return {};
    }
    return "Cannot read the configuration " + path + ": " + why +
           "; going on with the defaults, and the file is left as it is";
}

}  // namespace radioprog
