#include "appdata/Settings.h"

#include <filesystem>

#include "port/PortChoice.h"
#include "port/PortMap.h"

namespace radioprog {

SettingsLoad LoadSettings(const std::string& path, AppData& data, MissingConfiguration missing) {
    SettingsLoad result;
    std::error_code error;
    if (missing == MissingConfiguration::LeaveAlone && !std::filesystem::exists(path, error)) {
        result.load = ConfigLoad::Failed;  // defaults in force, nothing written
    } else {
        result.load = LoadConfiguration(path, data.config, data.band, &result.why);
    }
    TakeFromConfiguration(data.port, data.config);
    data.port.source.explicitPorts = ReadExplicitPorts(path);
    return result;
}

}  // namespace radioprog
