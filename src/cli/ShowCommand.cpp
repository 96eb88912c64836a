#include "cli/ShowCommand.h"

#include <iostream>
#include <memory>

#include "cli/ArgumentKinds.h"
#include "cli/FileReport.h"
#include "cli/ProjectReport.h"
#include "model/ProjectFile.h"

namespace radioprog::cli {

namespace {

struct ShowOptions {
    std::string file;
    bool json = false;
};

void RunShow(const ShowOptions& options, CliContext& context) {
    AppData& data = context.data;
    ResetProjectToDefaults(data);
    if (!Report(OpenProject(options.file, data.image, data.band), context)) {
        return;
    }
    std::cout << (options.json ? ProjectAsJson(data.image, data.band)
                               : ProjectAsTable(data.image, data.band));
}

}  // namespace

void AddShowCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<ShowOptions>();
    auto* show =
        app.add_subcommand("show", "Print the band, channels and options of a project file");
    show->add_option("file", options->file, "Project file (.Vkf)")
        ->type_name(kProjectArgument)
        ->required();
    show->add_flag("--json", options->json, "Print JSON instead of a table");
    show->callback([options, &context] { RunShow(*options, context); });
}

}  // namespace radioprog::cli
