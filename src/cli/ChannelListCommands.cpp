#include "cli/ChannelListCommands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>

#include "channellist/ChannelCsv.h"
#include "channellist/ChannelListImport.h"
#include "channellist/ChannelListSummary.h"
#include "channellist/RowList.h"
#include "cli/ArgumentKinds.h"
#include "cli/FileReport.h"
#include "cli/OutputDestination.h"
#include "model/ProjectFile.h"
#include "model/RegularFile.h"

namespace radioprog::cli {

namespace {

constexpr const char* kStandardStream = "-";

struct ChannelListOptions {
    std::string project;
    std::string list;
    std::string output;
    std::string format = "own";
    std::string rows;
    ChannelListChoice choice;
};

bool OpenBase(const std::string& path, CliContext& context) {
    ResetProjectToDefaults(context.data);
    return Report(OpenProject(path, context.data.image, context.data.band), context);
}

// A device is not a channel list, whatever it reads as (/dev/null is empty, /dev/zero never
// ends); it is refused like a folder, before it is opened. Pipes are lists: the shell's
// <(command) and a list piped into "-". A terminal on standard input is someone typing or
// pasting a list.
std::optional<std::string> WhyNotAList(const std::string& path) {
    const bool standardInput = path == kStandardStream;
    struct stat info {};
    if ((standardInput ? fstat(STDIN_FILENO, &info) : stat(path.c_str(), &info)) != 0 ||
        S_ISREG(info.st_mode) || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) ||
        (standardInput && isatty(STDIN_FILENO) == 1)) {
        return std::nullopt;  // a name that is not there is reported by the open
    }
    return WhyNotRegularFile(info.st_mode);
}

// Reads at most one byte more than a channel list may hold, so the import can say the file
// is too large without reading all of it.
FileResult ReadList(const std::string& path, std::string& text) {
    if (const auto why = WhyNotAList(path)) {
        return {false, (path == kStandardStream ? std::string("Cannot read standard input")
                                                : "Cannot read \"" + path + "\"") +
                           ": " + *why + "; a channel list is a file or a pipe"};
    }
    errno = 0;
    std::ifstream file;
    std::istream* in = &std::cin;
    if (path != kStandardStream) {
        file.open(path, std::ios::binary);
        if (!file) {
            return {false, "Cannot open \"" + path + "\": " + std::strerror(errno)};
        }
        in = &file;
    }
    text.resize(kMaxChannelCsvSize + 1);
    in->read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in->bad()) {
        return {false, "Cannot read \"" + path + "\": " + std::strerror(errno)};
    }
    text.resize(static_cast<size_t>(in->gcount()));
    return {};
}

void RunExport(const ChannelListOptions& options, CliContext& context) {
    if (!OpenBase(options.project, context)) {
        return;
    }
    const std::string csv = options.format == "chirp" ? ExportChannelsChirpCsv(context.data.image)
                                                      : ExportChannelsCsv(context.data.image);
    WriteOutput(options.output.empty() ? kStandardStream : options.output, csv, context);
}

// Every refusal on a line of its own with the option that would take or leave out the row.
void ReportRefusals(const std::string& list, const ChannelListPlan& plan) {
    for (const ChannelListError& refusal : plan.Refusals()) {
        std::cerr << list << ": " << refusal.Message();
        if (!plan.fileRefusal) {
            std::cerr << "; " << RemedyHint(refusal.remedy);
        }
        std::cerr << '\n';
    }
    if (!plan.fileRefusal) {
        const int refused = plan.Count(RowFate::Refused);
        std::cerr << list << ": " << refused << (refused == 1 ? " row" : " rows") << " refused. ";
    }
    std::cerr << "Nothing was written.\n";
}

// A choice of rows beyond the list's last is a slip, said before anything is written.
bool CheckChosenRows(const ChannelListOptions& options, const ChannelListPlan& plan,
                     CliContext& context) {
    const int last = static_cast<int>(plan.rows.size());
    const auto& rows = options.choice.rows;
    if (plan.fileRefusal || !rows || rows->empty() || rows->back() <= last) {
        return true;
    }
    std::cerr << options.list << ": --rows names row " << rows->back() << ", but the list has "
              << last << (last == 1 ? " row" : " rows")
              << " after its header. Nothing was written.\n";
    context.exitCode = kExitUsage;
    return false;
}

void RunImport(ChannelListOptions& options, CliContext& context) {
    if (!options.rows.empty()) {
        RowListParse rows = ParseRowList(options.rows);
        if (!rows) {
            std::cerr << "--rows: " << rows.why << '\n';
            context.exitCode = kExitUsage;
            return;
        }
        options.choice.rows = std::move(rows.rows);
    }
    std::string csv;
    if (!Report(ReadList(options.list, csv), context) || !OpenBase(options.project, context) ||
        !CheckOutput(options.output, context)) {
        return;
    }
    AppData& data = context.data;
    const ChannelListPlan plan = PlanChannelListImport(csv, data.image, data.band, options.choice);
    if (!CheckChosenRows(options, plan, context)) {
        return;
    }
    if (plan.Refused()) {
        ReportRefusals(options.list, plan);
        context.exitCode = kExitDataError;
        return;
    }
    data.image = ProjectFileImage(plan.image, data.band);
    WriteOutput(options.output, data.image.Raw(), context);
    // The summary goes beside the result, never into an output that may be standard output.
    for (const std::string& line : ImportSummary(plan)) {
        std::cerr << options.list << ": " << line << '\n';
    }
}

}  // namespace

void AddChannelListCommands(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<ChannelListOptions>();
    auto* exportCsv = app.add_subcommand(
        "export-csv", "Write the 16 channels of a project as a CSV list (to stdout by default)");
    exportCsv->add_option("project", options->project, "Project file (.Vkf)")
        ->type_name(kProjectArgument)
        ->required();
    exportCsv->add_option("-o,--output", options->output, "CSV file to write (- for stdout)")
        ->type_name(kOutputArgument);
    exportCsv
        ->add_option("--format", options->format,
                     "own (our channel list, the default) or chirp (the open multi-radio CSV "
                     "format)")
        ->check(CLI::IsMember({"own", "chirp"}));
    exportCsv->callback([options, &context] { RunExport(*options, context); });

    auto* importCsv = app.add_subcommand(
        "import-csv",
        "Store the channels of a CSV list over a project and write the result to a new file; "
        "a list with any bad row changes nothing unless --skip-unfit is given, and every bad row "
        "is named");
    importCsv
        ->add_option("list", options->list,
                     "CSV file to read (- for stdin): our channel list or, recognised by its "
                     "header, the open multi-radio format")
        ->type_name(kChannelListArgument)
        ->required();
    importCsv->add_flag("--renumber", options->choice.renumber,
                        "Place the rows in order from channel 1 instead of at the channel each "
                        "names (NO. or Location)");
    importCsv->add_flag("--shorten-names", options->choice.shortenNames,
                        "Multi-radio lists: cut names longer than the radio's 6 bytes");
    importCsv
        ->add_option("--rows", options->rows,
                     "Take only these rows, counted from 1 after the header: 1-16 or 3,5,9-12")
        ->type_name("LIST");
    importCsv->add_flag("--skip-unfit", options->choice.skipUnfit,
                        "Take the rows that fit and list the others with why, instead of "
                        "refusing the whole list; rows naming no channel of the radio go to the "
                        "free channels (or, with --renumber, all go in order from channel 1)");
    importCsv->add_flag("--replace", options->choice.replace,
                        "Clear the channels the list does not fill instead of keeping them from "
                        "the base project");
    importCsv->add_option("--base", options->project, "Project file the list is stored over")
        ->type_name(kProjectArgument)
        ->required();
    importCsv
        ->add_option("-o,--output", options->output, "Project file to write (.Vkf; - for stdout)")
        ->type_name(kOutputArgument)
        ->required();
    importCsv->callback([options, &context] { RunImport(*options, context); });
}

}  // namespace radioprog::cli
