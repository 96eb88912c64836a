#include "cli/RadioCommands.h"

#include <unistd.h>

#include <filesystem>
#include <iomanip>
#include <iostream>
#include <memory>

#include "appdata/Settings.h"
#include "calibration/CalibrationData.h"
#include "cli/ArgumentKinds.h"
#include "cli/CliSessionHost.h"
#include "cli/FileReport.h"
#include "cli/OutputDestination.h"
#include "cli/RadioJob.h"
#include "cli/RadioRead.h"
#include "cli/SeveralRadios.h"
#include "cli/WriteCheckOptions.h"
#include "jobs/WriteRefusal.h"
#include "model/ProjectFile.h"
#include "model/RadioRanges.h"
#include "port/PortChoice.h"
#include "port/PosixSerialPort.h"
#include "session/PasswordBlock.h"
#include "session/PasswordText.h"
#include "session/ProgramSession.h"

namespace radioprog::cli {

namespace {

struct RadioOptions {
    PortOptions port;
    std::optional<std::string> password;
    std::string output;
    std::string project;
    std::string calibration;
    std::string newPassword;
    bool allowEmpty = false;        // write a project without channels, clearing the radio's
    bool forceCalibration = false;  // write a record outside the calibration ranges
    CheckedWriteOptions checks;
};

void AddPasswordOption(CLI::App* command, RadioOptions& options) {
    command->add_option("--password", options.password, "Password that opens a protected radio");
}

void AddForceCalibrationFlag(CLI::App* command, RadioOptions& options) {
    command->add_flag("--force-calibration", options.forceCalibration,
                      "Write a calibration record with values outside their ranges (the radio's "
                      "calibration is kept in the history first)");
}

// The configuration file's port choice and port map, as the desktop tool starts with.
// A missing file leaves the defaults (auto search over the present devices).
void LoadPortSettings(CliContext& context) {
    const std::string path = ConfigurationPath(context.executableDir, context.configOverride);
    const SettingsLoad loaded = LoadSettings(path, context.data, MissingConfiguration::LeaveAlone);
    if (const std::string warning = loaded.Warning(path); !warning.empty()) {
        std::cerr << warning << "\n";
    }
}

// A password as the project holds it: code-page bytes, at most 12.
std::optional<std::string> PasswordBytes(const std::string& utf8, CliContext& context) {
    PasswordText password = EncodePassword(utf8);
    if (!password.bytes) {
        std::cerr << password.message << "\n";
        context.exitCode = kExitUsage;
    }
    return std::move(password.bytes);
}

bool TakeUnlockPassword(const RadioOptions& options, CliContext& context) {
    if (!options.password) {
        return true;  // the project's own unlock password stays
    }
    const auto bytes = PasswordBytes(*options.password, context);
    if (bytes) {
        context.data.image.SetText(image::UnlockPassword, *bytes);
    }
    return bytes.has_value();
}

// A project without a channel in use would clear every channel of the radio: a blank or wrong
// file, most likely, so it is written only when asked for by name.
bool RefuseEmptyProject(const RadioOptions& options, CliContext& context) {
    if (options.allowEmpty || HasChannelTheRadioHolds(context.data.image)) {
        return true;
    }
    std::cerr << "\"" << options.project
              << "\" has no channels: writing it clears all 16 channels of the radio. Use "
                 "--allow-empty to write it anyway.\n";
    context.exitCode = kExitDataError;
    return false;
}

void RunRead(const RadioOptions& options, CliContext& context) {
    AppData& data = context.data;
    ResetProjectToDefaults(data);
    if (!options.project.empty() &&
        !Report(OpenProject(options.project, data.image, data.band), context)) {
        return;
    }
    if (!TakeUnlockPassword(options, context)) {
        return;
    }
    if (IsSeveral(options.port)) {
        RunSeveralReads(context, options.port, options.output);
        return;
    }
    if (!CheckOutput(options.output, context)) {
        return;
    }
    if (RunJob(context, options.port, SessionMode::Data, true)) {
        data.image = ProjectFileImage(data.image, data.band);
        WriteOutput(options.output, data.image.Raw(), context);
    }
}

void RunWrite(const RadioOptions& options, CliContext& context) {
    AppData& data = context.data;
    ResetProjectToDefaults(data);
    if (!Report(OpenProject(options.project, data.image, data.band), context) ||
        !RefuseEmptyProject(options, context) || !TakeUnlockPassword(options, context)) {
        return;
    }
    RunSafeWrite(context, options.port, SessionMode::Data, options.checks, options.project);
}

void PrintStatus(const CalibrationData& c) {
    const auto line = [](const char* name, unsigned value) {
        std::cout << std::left << std::setw(12) << name << value << "\n";
    };
    line("CurBatt", c.Get(calib::CurBatt));
    line("Rssi_db", c.Get(calib::Rssi_db));
    line("Noise_db", c.Get(calib::Noise_db));
    line("Modu_cmp", c.Get(calib::Modu_cmp));
    line("Rssi_cmp1", c.Get(calib::Rssi_cmp1));
    line("Noise_cmp1", c.Get(calib::Noise_cmp1));
    line("Noise_cmp2", c.Get(calib::Noise_cmp2));
    line("Rssi_cmp3", c.Get(calib::Rssi_cmp3));
    line("Pkdet_cmp", c.Get(calib::Pkdet_cmp));
    line("Modu_db", c.Get(calib::Modu_db));
    line("Offset", c.Get(calib::Offset));
}

void RunStatus(const RadioOptions& options, CliContext& context) {
    if (RunJob(context, options.port, SessionMode::ChipStatus, true)) {
        PrintStatus(context.data.calibration);
    }
}

void RunCalibrationRead(const RadioOptions& options, CliContext& context) {
    AppData& data = context.data;
    ResetCalibrationData(data.calibration, data.band);
    if (!TakeUnlockPassword(options, context) || !CheckOutput(options.output, context)) {
        return;
    }
    if (RunJob(context, options.port, SessionMode::Calibration, true)) {
        WriteOutput(options.output, data.calibration.Raw(), context);
    }
}

// A record outside the calibration ranges would detune the radio: it is written only when
// asked for by name, and then only after the radio's own calibration is kept in the history.
bool AcceptCalibrationRecord(const RadioOptions& options, CliContext& context, SessionMode mode,
                             CheckedWriteOptions& checks) {
    const auto doubt = DoubtCalibration({mode, false, {}, {}}, context.data);
    if (!doubt) {
        return true;
    }
    std::cerr << WriteRefusalTextUtf8(English(), *doubt) << "\n";
    if (!options.forceCalibration) {
        std::cerr << "Nothing was written. Use --force-calibration to write it anyway, after a "
                     "backup of the radio's calibration into the history.\n";
        context.exitCode = kExitDataError;
        return false;
    }
    checks.backupFirst = true;
    return true;
}

// Loads the calibration file (and for write-all the project) and writes them to the radio.
void RunCalibrationWrite(const RadioOptions& options, CliContext& context, bool withData) {
    AppData& data = context.data;
    ResetProjectToDefaults(data);
    if (withData && (!Report(OpenProject(options.project, data.image, data.band), context) ||
                     !RefuseEmptyProject(options, context))) {
        return;
    }
    ResetCalibrationData(data.calibration, data.band);
    const SessionMode mode = withData ? SessionMode::CalibrationAndData : SessionMode::Calibration;
    CheckedWriteOptions checks = options.checks;
    if (!Report(LoadCalibrationFile(options.calibration, data.calibration), context) ||
        !AcceptCalibrationRecord(options, context, mode, checks) ||
        !TakeUnlockPassword(options, context)) {
        return;
    }
    RunSafeWrite(context, options.port, mode, checks,
                 withData ? options.project : options.calibration);
}

void RunSetPassword(const RadioOptions& options, CliContext& context) {
    AppData& data = context.data;
    ResetProjectToDefaults(data);
    const auto bytes = PasswordBytes(options.newPassword, context);
    if (!bytes || !TakeUnlockPassword(options, context)) {
        return;
    }
    data.image.SetText(image::NewPassword, *bytes);
    RunJob(context, options.port, SessionMode::NewPassword, false);
}

void RunPorts(CliContext& context) {
    PortChoice& choice = context.data.port;
    choice.map = choice.source.Build();
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
        std::cout << "COM" << n << "  ";
        const std::optional<std::string> path = choice.map.PathOf(n);
        if (!path) {
            std::cout << "-  absent: no device is mapped to this number\n";
            continue;
        }
        PosixSerialPort port(choice.lockFolder);
        const PortResult opened = port.Open(*path);
        port.Close();
        std::cout << *path << "  "
                  << (opened ? std::string("present") : "absent: " + opened.message) << "\n";
    }
}

// Adds a subcommand whose callback loads the port settings first.
CLI::App* AddRadioCommand(CLI::App& parent, const std::string& name, const std::string& help,
                          CliContext& context, std::function<void()> run) {
    auto* command = parent.add_subcommand(name, help);
    command->callback([&context, run = std::move(run)] {
        LoadPortSettings(context);
        run();
    });
    return command;
}

}  // namespace

void AddRadioReadOptions(CLI::App* command, PortOptions& port,
                         std::optional<std::string>& password) {
    AddPortOptions(command, port);
    command->add_option("--password", password, "Password that opens a protected radio");
}

bool ReadRadioData(CliContext& context, const PortOptions& port,
                   const std::optional<std::string>& password) {
    LoadPortSettings(context);
    RadioOptions options;
    options.password = password;
    return TakeUnlockPassword(options, context) && RunJob(context, port, SessionMode::Data, true);
}

void AddRadioCommands(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<RadioOptions>();
    RadioOptions& o = *options;

    auto* read = AddRadioCommand(app, "read", "Read a radio into a project file", context,
                                 [options, &context] { RunRead(*options, context); });
    read->add_option("-o,--output", o.output,
                     "Project file to write (.Vkf; - for stdout); a folder for several radios")
        ->type_name(kOutputArgument)
        ->required();
    read->add_option("--base", o.project,
                     "Project whose fields the radio does not hold are kept (default: a new one)")
        ->type_name(kProjectArgument);
    AddPasswordOption(read, o);
    AddSeveralPortOptions(read, o.port);

    auto* write = AddRadioCommand(app, "write", "Write a project file to a radio", context,
                                  [options, &context] { RunWrite(*options, context); });
    write->add_option("file", o.project, "Project file (.Vkf)")
        ->type_name(kProjectArgument)
        ->required();
    write->add_flag("--allow-empty", o.allowEmpty,
                    "Write a project without channels (clears every channel of the radio)");
    AddWriteCheckOptions(write, o.checks);
    AddPasswordOption(write, o);
    AddSeveralPortOptions(write, o.port);

    auto* status = AddRadioCommand(app, "status", "Read the live status of the radio's RF chip",
                                   context, [options, &context] { RunStatus(*options, context); });
    AddPortOptions(status, o.port);

    auto* calibration = app.add_subcommand("calibration", "Read or write the calibration block");
    calibration->require_subcommand(1);
    auto* calRead =
        AddRadioCommand(*calibration, "read", "Read the calibration block into a file", context,
                        [options, &context] { RunCalibrationRead(*options, context); });
    calRead->add_option("-o,--output", o.output, "Calibration file to write (.vkfa; - for stdout)")
        ->type_name(kOutputArgument)
        ->required();
    AddPasswordOption(calRead, o);
    AddPortOptions(calRead, o.port);

    auto* calWrite =
        AddRadioCommand(*calibration, "write", "Write a calibration file to the radio", context,
                        [options, &context] { RunCalibrationWrite(*options, context, false); });
    calWrite->add_option("file", o.calibration, "Calibration file (.vkfa)")
        ->type_name(kCalibrationArgument)
        ->required();
    AddForceCalibrationFlag(calWrite, o);
    AddWriteCheckOptions(calWrite, o.checks);
    AddPasswordOption(calWrite, o);
    AddPortOptions(calWrite, o.port);

    auto* calWriteAll = AddRadioCommand(
        *calibration, "write-all", "Write a calibration file and then a project to the radio",
        context, [options, &context] { RunCalibrationWrite(*options, context, true); });
    calWriteAll->add_option("calibration", o.calibration, "Calibration file (.vkfa)")
        ->type_name(kCalibrationArgument)
        ->required();
    calWriteAll->add_option("project", o.project, "Project file (.Vkf)")
        ->type_name(kProjectArgument)
        ->required();
    AddForceCalibrationFlag(calWriteAll, o);
    calWriteAll->add_flag("--allow-empty", o.allowEmpty,
                          "Write a project without channels (clears every channel of the radio)");
    AddWriteCheckOptions(calWriteAll, o.checks);
    AddPasswordOption(calWriteAll, o);
    AddPortOptions(calWriteAll, o.port);

    auto* setPassword =
        AddRadioCommand(app, "set-password", "Store a new password in the radio", context,
                        [options, &context] { RunSetPassword(*options, context); });
    setPassword->add_option("text", o.newPassword, "The new password (empty: none)")->required();
    AddPasswordOption(setPassword, o);
    AddPortOptions(setPassword, o.port);

    AddRadioCommand(app, "ports", "Show the device behind each of COM1..COM9", context,
                    [&context] { RunPorts(context); });
}

}  // namespace radioprog::cli
