#pragma once
// radioprog-cli's commands as its own command table lists them, with what each argument
// takes, so that a check of "every command" cannot miss one added later. Each command gives
// a command line of good arguments, one of which a test may replace.

#include <CLI/CLI.hpp>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "appdata/AppData.h"
#include "cli/ArgumentKinds.h"
#include "cli/CliContext.h"
#include "cli/CommandLine.h"

namespace radioprog::testing {

struct CliArgument {
    std::string flag;  // "--base"; empty for a positional
    std::string kind;  // the value's name in --help: one of ArgumentKinds, or TEXT, INT ...
    bool required = false;
};

struct ToolCommand {
    std::vector<std::string> names;  // {"calibration", "read"}
    std::vector<CliArgument> arguments;
    bool readsRadio = false;  // it takes --device

    std::string Title() const {
        std::string title;
        for (const std::string& name : names) {
            title += (title.empty() ? "" : " ") + name;
        }
        return title;
    }
    bool Takes(const std::string& kind) const {
        for (const CliArgument& argument : arguments) {
            if (argument.kind == kind) {
                return true;
            }
        }
        return false;
    }

    // The command with every required argument given, a value of its kind from values (a
    // kind that is not there gets "1"), and --device device when it reads a radio. The
    // argument at index given, required or not, has the value given instead.
    std::vector<std::string> Line(
        const std::map<std::string, std::string>& values, const std::string& device,
        std::optional<std::pair<size_t, std::string>> given = std::nullopt) const {
        std::vector<std::string> line = names;
        for (size_t i = 0; i < arguments.size(); ++i) {
            const CliArgument& argument = arguments[i];
            const bool replaced = given && given->first == i;
            if (!argument.required && !replaced) {
                continue;
            }
            const auto value = values.find(argument.kind);
            if (!argument.flag.empty()) {
                line.push_back(argument.flag);
            }
            line.push_back(replaced ? given->second : value == values.end() ? "1" : value->second);
        }
        if (readsRadio) {
            line.insert(line.end(), {"--device", device});
        }
        return line;
    }
};

namespace detail {

inline void CollectCommands(CLI::App& app, std::vector<std::string> names,
                            std::vector<ToolCommand>& commands) {
    const auto subcommands = app.get_subcommands([](CLI::App*) { return true; });
    if (!names.empty() && subcommands.empty()) {
        ToolCommand command{names, {}, false};
        for (const CLI::Option* option : app.get_options()) {
            const auto longNames = option->get_lnames();
            if (!longNames.empty() && longNames.front() == "device") {
                command.readsRadio = true;
            } else if (option->get_positional() || option->get_type_size() > 0) {
                command.arguments.push_back(
                    {option->get_positional() ? std::string() : "--" + longNames.front(),
                     option->get_type_name(), option->get_required()});
            }
        }
        commands.push_back(std::move(command));
    }
    for (CLI::App* subcommand : subcommands) {
        std::vector<std::string> deeper = names;
        deeper.push_back(subcommand->get_name());
        CollectCommands(*subcommand, deeper, commands);
    }
}

}  // namespace detail

// Every command that runs a job of its own (calibration read, not calibration).
inline std::vector<ToolCommand> ToolCommands() {
    AppData data;
    cli::CliContext context{data, std::nullopt, {}};
    CLI::App app;
    cli::BuildCommandLine(app, context);
    std::vector<ToolCommand> commands;
    detail::CollectCommands(app, {}, commands);
    return commands;
}

}  // namespace radioprog::testing
