#include "cli/SheetCommand.h"

#include <filesystem>
#include <iostream>
#include <memory>

#include "appdata/Settings.h"
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
    // Beside the configuration's shop, for this sheet alone.
    std::optional<std::string> shop;
    std::optional<std::string> phone;
    std::string customer;
};

// The shop as the configuration names it, unless the command line names another. A missing
// configuration is left alone: a sheet needs none. Read aside, so that the sheet's language
// and band stay what they were.
SheetHeading Heading(const SheetOptions& options, const CliContext& context) {
    const std::string path = ConfigurationPath(context.executableDir, context.configOverride);
    auto settings = std::make_unique<AppData>();
    const SettingsLoad loaded = LoadSettings(path, *settings, MissingConfiguration::LeaveAlone);
    if (const std::string warning = loaded.Warning(path); !warning.empty()) {
        std::cerr << warning << "\n";
    }
    SheetHeading heading;
    heading.shopName = options.shop.value_or(settings->config.shopName);
    heading.shopPhone = options.phone.value_or(settings->config.shopPhone);
    heading.customer = options.customer;
    heading.fileName = std::filesystem::path(options.file).filename().string();
    return heading;
}

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
    const SheetHeading heading = Heading(options, context);
    ResetProjectToDefaults(data);
    if (!Report(OpenProject(options.file, data.image, data.band), context) ||
        !CheckOutput(options.output, context)) {
        return;
    }
    const ChannelSheet sheet = BuildChannelSheet(
        data.image, data.band, LanguageNamed(options.language, data.lang.LangType()),
        options.all ? SheetChannels::All : SheetChannels::InUse, TodayText(), heading);
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
    sheet->add_option("--shop", options->shop,
                      "Shop name in the sheet's header (default: the configuration's)");
    sheet->add_option("--phone", options->phone,
                      "Shop phone in the sheet's header (default: the configuration's)");
    sheet->add_option("--customer", options->customer, "Customer or job the sheet is for");
    sheet->callback([options, &context] { RunSheet(*options, context); });
}

}  // namespace radioprog::cli
