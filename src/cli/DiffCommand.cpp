#include "cli/DiffCommand.h"

#include <iostream>
#include <memory>

#include "cli/ArgumentKinds.h"
#include "cli/FileReport.h"
#include "cli/RadioRead.h"
#include "compare/DifferenceLines.h"
#include "compare/FieldNames.h"
#include "compare/ProjectComparison.h"
#include "model/ProjectFile.h"

namespace radioprog::cli {

namespace {

struct DiffOptions {
    std::string left;
    std::string right;
    PortOptions port;
    std::optional<std::string> password;
};

constexpr const char* kDiffHelp =
    "Print the fields in which two projects, or a project and a radio (--device, --port), "
    "differ: one line per field, every field of the project, the first side first. Fields the "
    "channel list or the options page shows are named in their words, the others by their own "
    "names; passwords only say that they differ:\n"
    "  band  Frequency Band: \"400.00000-480.00000 MHz\" -> \"136.00000-174.00000 MHz\"\n"
    "  channel 3  RX Freq.: \"446.00625\" -> \"446.10000\"\n"
    "  channel 5  Name: (not in use) -> \"GATE\"\n"
    "  option  SQL: \"3\" -> \"5\"\n"
    "  setting  VoxDelay: \"2000\" -> \"1500\"\n"
    "  setting  UnlockPassword: (hidden) -> (hidden)\n"
    "  address book 2  Name: (not in use) -> \"DESK\"\n"
    "Against a radio, the fields that radio does not hold are not compared; standard error "
    "names them.\n"
    "Exit 0 when they hold the same, 1 when they differ (like diff), 69 when the radio did not "
    "answer; a radio that refuses the password or the job exits as `read` does.";

// A project file into its own image and band, starting from a new project as `show` does.
bool OpenSide(const std::string& path, CliContext& context, ProjectImage& image, BandLimits& band) {
    AppData& data = context.data;
    ResetProjectToDefaults(data);
    if (!Report(OpenProject(path, data.image, data.band), context)) {
        return false;
    }
    image = data.image;
    band = data.band;
    return true;
}

void PrintDifferences(const std::vector<FieldDifference>& differences, CliContext& context) {
    std::cout << DifferenceLines(differences);
    context.exitCode = differences.empty() ? kExitSuccess : kExitCommunicationFalse;
}

// A read leaves what the radio does not hold as the file has it (or as its own rule sets it),
// which says nothing of the radio: those fields are left out, and said so.
void CompareWithRadio(const ProjectImage& file, const BandLimits& fileBand, CliContext& context) {
    if (const std::optional<RadioKind> kind = context.radioMet) {
        std::string notHeld;
        for (const std::string& name : FieldsNotHeldBy(*kind)) {
            notHeld += (notHeld.empty() ? "" : ", ") + name;
        }
        std::cerr << "Not compared, as a radio of kind " << RadioKindName(*kind)
                  << " does not hold them: " << notHeld << "\n";
    }
    PrintDifferences(CompareProjects(file, fileBand, context.data.image, context.data.band,
                                     THaldenFuncs::TLangType::English, context.radioMet),
                     context);
}

void RunDiff(const DiffOptions& options, CliContext& context) {
    const bool radio = options.port.device || options.port.port;
    if (radio == !options.right.empty()) {
        std::cerr << "diff compares FILE with a second file or with a radio (--device or "
                     "--port): name one of them\n";
        context.exitCode = kExitUsage;
        return;
    }
    ProjectImage left;
    BandLimits leftBand;
    if (!OpenSide(options.left, context, left, leftBand)) {
        return;
    }
    if (!radio) {
        ProjectImage right;
        BandLimits rightBand;
        if (OpenSide(options.right, context, right, rightBand)) {
            PrintDifferences(CompareProjects(left, leftBand, right, rightBand), context);
        }
        return;
    }
    // The file is the read's base, so the file's unlock password opens the radio, as
    // `read --base` would. A read that fails is no difference: it leaves its own exit code,
    // but a radio that did not answer must not read as "the sides differ".
    if (ReadRadioData(context, options.port, options.password)) {
        CompareWithRadio(left, leftBand, context);
    } else if (context.exitCode == kExitCommunicationFalse) {
        context.exitCode = kExitRadioDidNotAnswer;
    }
}

}  // namespace

void AddDiffCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<DiffOptions>();
    auto* diff = app.add_subcommand("diff", "Compare two projects, or a project and a radio");
    diff->footer(kDiffHelp);
    diff->add_option("file", options->left, "Project file (.Vkf)")
        ->type_name(kProjectArgument)
        ->required();
    diff->add_option("other", options->right, "Second project file (.Vkf)")
        ->type_name(kProjectArgument);
    AddRadioReadOptions(diff, options->port, options->password);
    diff->callback([options, &context] { RunDiff(*options, context); });
}

}  // namespace radioprog::cli
