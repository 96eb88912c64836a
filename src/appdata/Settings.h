#pragma once
// The settings both programs start with: the configuration file's values and working band,
// then the port choice and the [ports] map from the same file.

#include <string>

#include "appdata/AppData.h"
#include "model/Configuration.h"

namespace radioprog {

enum class MissingConfiguration {
    Create,     // the desktop tool writes one with every default at its first start
    LeaveAlone  // the command-line tool never writes the configuration
};

struct SettingsLoad {
    ConfigLoad load = ConfigLoad::Loaded;
    // For Unreadable: what kept the file out; for Loaded by the desktop tool: why the file
    // will not be written back (empty when it will).
    std::string why;
    // What the user is told about a configuration that was kept out; empty when there is
    // nothing to tell.
    std::string Warning(const std::string& path) const;
};

SettingsLoad LoadSettings(const std::string& path, AppData& data, MissingConfiguration missing);

}  // namespace radioprog
