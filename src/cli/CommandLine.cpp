#include "cli/CommandLine.h"

#include "cli/ChannelListCommands.h"
#include "cli/DiffCommand.h"
#include "cli/ExitCodes.h"
#include "cli/HistoryCommand.h"
#include "cli/RadioCommands.h"
#include "cli/SheetCommand.h"
#include "cli/ShowCommand.h"

namespace radioprog::cli {

void BuildCommandLine(CLI::App& app, CliContext& context) {
    app.description("RadioProg command-line tool: read, write, show and calibrate radios");
    app.set_version_flag("--version", "radioprog-cli " RADIOPROG_VERSION);
    app.add_option("--config", context.configOverride, "Configuration file to use")
        ->type_name("PATH");
    auto* history = app.add_option("--history", context.historyFolder,
                                   "Keep every read in DIR (instead of the configured folder)")
                        ->type_name("DIR");
    app.add_flag("--no-history", context.noHistory, "Keep no read in the history")
        ->excludes(history);
    app.require_subcommand(1);
    AddShowCommand(app, context);
    AddRadioCommands(app, context);
    AddChannelListCommands(app, context);
    AddSheetCommand(app, context);
    AddHistoryCommand(app, context);
    AddDiffCommand(app, context);
    // Set after the subcommands, which would take it over: it closes the program's help only.
    app.footer(ExitStatusHelp());
}

}  // namespace radioprog::cli
