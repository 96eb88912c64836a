// radioprog-cli: the tool's core without windows, for scripts and power users.

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

#include "appdata/AppData.h"
#include "cli/ChannelListCommands.h"
#include "cli/CliContext.h"
#include "cli/RadioCommands.h"
#include "cli/ShowCommand.h"

namespace {

std::string ExecutableDir(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        self = std::filesystem::absolute(argv0, error);
    }
    return self.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace radioprog;
    AppData data;
    cli::CliContext context{data, std::nullopt, ExecutableDir(argv[0])};

    CLI::App app{"RadioProg command-line tool: read, write, show and calibrate radios"};
    app.set_version_flag("--version", "radioprog-cli 0.1");
    app.add_option("--config", context.configOverride, "Configuration file to use")
        ->type_name("PATH");
    app.require_subcommand(1);
    cli::AddShowCommand(app, context);
    cli::AddRadioCommands(app, context);
    cli::AddChannelListCommands(app, context);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? 0 : cli::kExitUsage;
    }
    return context.exitCode;
}
