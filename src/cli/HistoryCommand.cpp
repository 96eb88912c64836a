#include "cli/HistoryCommand.h"

#include <cstdio>
#include <iostream>
#include <memory>

#include "appdata/Settings.h"
#include "cli/FileReport.h"
#include "cli/ProjectReport.h"
#include "history/HistoryLabel.h"
#include "model/ProjectFile.h"

namespace radioprog::cli {

namespace {

struct HistoryOptions {
    std::string action = "list";
    std::optional<int> number;
    std::optional<std::string> label;
};

// The configuration's keys, as the radio commands load them; a missing file leaves the
// defaults and is not created.
void LoadHistorySettings(CliContext& context) {
    const std::string path = ConfigurationPath(context.executableDir, context.configOverride);
    const SettingsLoad loaded = LoadSettings(path, context.data, MissingConfiguration::LeaveAlone);
    if (const std::string warning = loaded.Warning(path); !warning.empty()) {
        std::cerr << warning << "\n";
    }
}

std::string EntryLine(size_t number, const HistoryEntry& entry) {
    const bool calibration = IsCalibrationJob(entry.job);
    const std::string what =
        calibration ? "points " + CalibrationPointsText(entry.calibrationPointsMhz)
                    : HistoryBandText(entry.band) + "  " + std::to_string(entry.channelsInUse) +
                          (entry.channelsInUse == 1 ? " channel" : " channels");
    const std::string stamp = RadioStampText(entry.radioStamp);
    char line[256];
    std::snprintf(line, sizeof line, "%3zu  %s  %-6s  %-18s  %s%s", number,
                  HistoryTimeText(entry.time).c_str(),
                  std::string(RadioKindName(entry.kind)).c_str(),
                  std::string(HistoryJobName(entry.job)).c_str(), what.c_str(),
                  stamp.empty() ? "" : ("  last written " + stamp).c_str());
    // The label last: it is as long as the user made it.
    return std::string(line) + (entry.label.empty() ? "" : "  label: " + entry.label) + "\n";
}

void ShowEntry(const HistoryEntry& entry, CliContext& context) {
    if (!entry.label.empty()) {
        std::cout << "Label: " << entry.label << "\n";
    }
    if (IsCalibrationJob(entry.job)) {
        CalibrationData calibration;
        if (Report(LoadCalibrationFile(entry.path, calibration), context)) {
            std::cout << "Calibration data: " << entry.path << "\n"
                      << "Calibration points: " << CalibrationPointsText(entry.calibrationPointsMhz)
                      << "\n";
        }
        return;
    }
    AppData& data = context.data;
    ResetProjectToDefaults(data);
    if (Report(OpenProject(entry.path, data.image, data.band), context)) {
        std::cout << ProjectAsTable(data.image, data.band);
    }
}

// An empty text takes the label off.
void LabelEntry(const HistoryEntry& entry, const std::optional<std::string>& text,
                CliContext& context) {
    if (!text) {
        std::cerr << "history label needs the text after the entry's number (\"\" removes the "
                  << "label)\n";
        context.exitCode = kExitUsage;
        return;
    }
    if (const auto why = HistoryLabelRefusal(*text)) {
        std::cerr << "Cannot label entry with that text: " << *why << "\n";
        context.exitCode = kExitUsage;
        return;
    }
    if (const FileResult labelled = SetHistoryLabel(entry, *text); !labelled) {
        std::cerr << labelled.message << "\n";
        context.exitCode = kExitFileError;
    }
}

void RunHistory(const HistoryOptions& options, CliContext& context) {
    LoadHistorySettings(context);
    const HistorySettings settings = HistorySettingsFor(context);
    const std::vector<HistoryEntry> entries = ListHistory(settings.folder);
    if (options.action == "list") {
        if (entries.empty()) {
            std::cerr << "No reads are kept in " << settings.folder << "\n";
        }
        for (size_t i = 0; i < entries.size(); ++i) {
            std::cout << EntryLine(i + 1, entries[i]);
        }
        return;
    }
    if (!options.number) {
        std::cerr << "history " << options.action << " needs the number of an entry (1: the "
                  << "newest, as history list numbers them)\n";
        context.exitCode = kExitUsage;
        return;
    }
    const int n = *options.number;
    if (n < 1 || static_cast<size_t>(n) > entries.size()) {
        std::cerr << "There is no entry " << n << ": " << settings.folder << " holds "
                  << entries.size() << (entries.size() == 1 ? " entry" : " entries") << "\n";
        context.exitCode = kExitUsage;
        return;
    }
    const HistoryEntry& entry = entries[static_cast<size_t>(n - 1)];
    if (options.action == "path") {
        std::cout << entry.path << "\n";
    } else if (options.action == "label") {
        LabelEntry(entry, options.label, context);
    } else {
        ShowEntry(entry, context);
    }
}

}  // namespace

HistorySettings HistorySettingsFor(const CliContext& context) {
    HistorySettings settings = HistorySettingsOf(context.data.config);
    if (context.historyFolder && !context.historyFolder->empty()) {
        settings.folder = *context.historyFolder;
        settings.enabled = true;
    }
    if (context.noHistory) {
        settings.enabled = false;
    }
    return settings;
}

void AddHistoryCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<HistoryOptions>();
    auto* history = app.add_subcommand(
        "history", "List the reads kept in the history, show one, print its path or label it");
    history
        ->add_option("action", options->action,
                     "list (the default), show N, path N or label N TEXT")
        ->check(CLI::IsMember({"list", "show", "path", "label"}));
    history->add_option("n", options->number, "Entry number: 1 is the newest, as list shows");
    history->add_option("text", options->label,
                        "label: one line of text kept beside the entry (customer, job, a note); "
                        "\"\" removes the label");
    history->callback([options, &context] { RunHistory(*options, context); });
}

}  // namespace radioprog::cli
