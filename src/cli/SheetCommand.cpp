#include "cli/SheetCommand.h"

#include <iostream>
#include <memory>

#include "cli/ArgumentKinds.h"
#include "cli/FileReport.h"
#include "cli/OutputDestination.h"
#include "model/ProjectFile.h"
#include "sheet/ChannelSheet.h"
#include "sheet/SheetPaper.h"
#include "sheet/print/SheetPdf.h"

namespace radioprog::cli {

namespace {

using THaldenFuncs::TLangType;

struct SheetOptions {
    std::string file;
    std::string output;
    bool all = false;
    std::string language;  // empty: the system's
    std::string paper;     // empty: the locale's
};

TLangType LanguageNamed(const std::string& name, TLangType system) {
    if (name == "en") {
        return TLangType::English;
    }
    if (name == "zh-cn") {
        return TLangType::SimplifiedChinese;
    }
    return name == "zh-tw" ? TLangType::TraditionalChinese : system;
}

void RunSheet(const SheetOptions& options, CliContext& context) {
    AppData& data = context.data;
    ResetProjectToDefaults(data);
    if (!Report(OpenProject(options.file, data.image, data.band), context) ||
        !CheckOutput(options.output, context)) {
        return;
    }
    const ChannelSheet sheet = BuildChannelSheet(
        data.image, data.band, LanguageNamed(options.language, data.lang.LangType()),
        options.all ? SheetChannels::All : SheetChannels::InUse, TodayText());
    const std::string pdf = ChannelSheetPdfWithoutDisplay(
        sheet, options.paper.empty()
                   ? SystemPaper()
                   : (options.paper == "letter" ? SheetPaper::Letter : SheetPaper::A4));
    if (pdf.empty()) {
        std::cerr << "Cannot draw the sheet of \"" << options.file << "\"\n";
        context.exitCode = kExitSoftware;
        return;
    }
    WriteOutput(options.output, pdf, context);
}

}  // namespace

void AddSheetCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<SheetOptions>();
    auto* sheet = app.add_subcommand(
        "sheet", "Write a one-page channel sheet (PDF) of a project: band, channels, options");
    sheet->add_option("file", options->file, "Project file (.Vkf)")
        ->type_name(kProjectArgument)
        ->required();
    sheet->add_option("-o,--output", options->output, "PDF file to write (- for stdout)")
        ->required()
        ->type_name(kOutputArgument);
    sheet->add_flag("--all", options->all, "List all 16 channels, not only those in use");
    sheet
        ->add_option("--language", options->language,
                     "Language of the sheet: en, zh-cn or zh-tw (default: the system's)")
        ->transform(CLI::IsMember({"en", "zh-cn", "zh-tw"}, CLI::ignore_case));
    sheet
        ->add_option("--paper", options->paper,
                     "Paper: a4 or letter (default: the locale's, Letter in the Americas)")
        ->transform(CLI::IsMember({"a4", "letter"}, CLI::ignore_case));
    sheet->callback([options, &context] { RunSheet(*options, context); });
}

}  // namespace radioprog::cli
