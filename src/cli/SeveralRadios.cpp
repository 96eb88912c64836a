#include "cli/SeveralRadios.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/BenchReport.h"
#include "cli/CliSessionHost.h"
#include "cli/HistoryCommand.h"
#include "cli/StopSignals.h"
#include "jobs/WriteRefusal.h"
#include "model/AtomicOutput.h"
#include "model/ProjectFile.h"
#include "multijob/BenchLoop.h"

namespace radioprog::cli {

namespace {

namespace fs = std::filesystem;

// A file of a radio's data, like the history's entries, is for its owner only.
constexpr mode_t kReadFileMode = 0600;

// Two names of one device (a link and its target) would be two jobs fighting for one line.
std::optional<std::string> NamedTwice(const std::vector<std::string>& devices) {
    std::vector<fs::path> seen;
    for (const std::string& device : devices) {
        std::error_code error;
        fs::path real = fs::weakly_canonical(device, error);
        if (error) {
            real = device;
        }
        for (const fs::path& other : seen) {
            if (other == real) {
                return device;
            }
        }
        seen.push_back(real);
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> ChosenDevices(CliContext& context,
                                                      const PortOptions& portOptions) {
    std::vector<std::string> devices =
        portOptions.allPorts ? PresentSerialDevices(context.data.port) : portOptions.devices;
    if (devices.empty()) {
        std::cerr << "No serial device is present and free.\n";
        context.exitCode = kExitCommunicationFalse;
        return std::nullopt;
    }
    if (const auto twice = NamedTwice(devices)) {
        std::cerr << "The device " << *twice << " is named twice; each radio needs a line of "
                  << "its own.\n";
        context.exitCode = kExitUsage;
        return std::nullopt;
    }
    return devices;
}

// The radios' jobs, run side by side to their ends; after a stop, what became of each.
struct Bench {
    std::vector<std::unique_ptr<BenchJob>> owned;
    std::vector<const BenchJob*> jobs;
    bool stopped = false;
};

Bench RunOnEvery(CliContext& context, const std::vector<std::string>& devices,
                 const JobOrder& order) {
    CliBenchPresenter presenter(std::cout, std::cerr, devices);
    Bench bench;
    std::vector<BenchJob*> running;
    const HistorySettings history = HistorySettingsFor(context);
    for (size_t i = 0; i < devices.size(); ++i) {
        bench.owned.push_back(std::make_unique<BenchJob>(i, order, context.data, context.data.port,
                                                         devices[i], history, presenter));
        running.push_back(bench.owned.back().get());
        bench.jobs.push_back(bench.owned.back().get());
    }
    presenter.Watch(bench.jobs);
    {
        const StopSignalGuard guard;
        bench.stopped = RunBench(running, StopSignalGuard::StopRequested, &guard.WaitMask());
    }
    std::cout << "\n" << BenchTable(bench.jobs) << std::flush;
    if (bench.stopped) {
        std::cerr << StopSummary(bench.jobs) << std::flush;
    }
    std::vector<BenchResult> results;
    for (const BenchJob* job : bench.jobs) {
        results.push_back(job->Result());
    }
    context.exitCode = BenchExitCode(results);
    if (!bench.jobs.empty()) {
        context.radioMet = bench.jobs.front()->Result().radio;
    }
    return bench;
}

// "/dev/ttyUSB0" -> "ttyUSB0", "/dev/pts/3" -> "pts-3", "/tmp/bench/radio2" -> "radio2".
std::string DeviceFileName(const std::string& device) {
    std::string name =
        device.starts_with("/dev/") ? device.substr(5) : fs::path(device).filename().string();
    for (char& c : name) {
        if (c == '/') {
            c = '-';
        }
    }
    return name.empty() ? "radio" : name;
}

std::string TimeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
    return text;
}

// A name of its own in folder, created empty and exclusively, so that nothing there is ever
// replaced, a read of another run in the same second included.
std::optional<std::string> ReserveFile(const fs::path& folder, const std::string& stem) {
    for (int n = 1; n < 1000; ++n) {
        const std::string suffix = n == 1 ? "" : "_" + std::to_string(n);
        const fs::path path = folder / (stem + suffix + ".Vkf");
        const int fd =
            open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kReadFileMode);
        if (fd >= 0) {
            close(fd);
            return path.string();
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The read kept as a project file; false (and said why) when it could not be.
bool SaveRead(const BenchJob& job, const fs::path& folder) {
    const std::optional<std::string> path =
        ReserveFile(folder, DeviceFileName(job.Device()) + "_" + TimeStamp());
    if (!path) {
        std::cerr << job.Device() << ": cannot create a file for the read in " << folder.string()
                  << ": " << std::strerror(errno) << "\n";
        return false;
    }
    const SessionState& radio = job.State();
    const ProjectImage saved = ProjectFileImage(radio.image, radio.band);
    if (const FileResult written = WriteFileAtomically(*path, saved.Raw(), kReadFileMode);
        !written) {
        unlink(path->c_str());
        std::cerr << job.Device() << ": " << written.message << "\n";
        return false;
    }
    std::cout << job.Device() << ": saved " << *path << "\n";
    return true;
}

}  // namespace

void AddSeveralPortOptions(CLI::App* command, PortOptions& options) {
    auto* device = command
                       ->add_option("--device", options.devices,
                                    "Use this serial device, without auto search; repeat it to "
                                    "work on several radios at once")
                       ->allow_extra_args(false);
    auto* port = command
                     ->add_option("--port", options.port,
                                  "Use port number N (1-9) of the port map, without auto search")
                     ->check(CLI::Range(kFirstPortNumber, kLastPortNumber));
    auto* all = command->add_flag("--all-ports", options.allPorts,
                                  "Work on every serial device present, all radios at once");
    device->excludes(port);
    all->excludes(device);
    all->excludes(port);
}

bool IsSeveral(const PortOptions& options) {
    return options.allPorts || options.devices.size() > 1;
}

std::vector<std::string> PresentSerialDevices(const PortChoice& choice) {
    std::vector<std::string> candidates;
    for (const auto& [number, path] : choice.source.explicitPorts) {
        candidates.push_back(path);
    }
    for (std::string& path : choice.source.scanDevices()) {
        candidates.push_back(std::move(path));
    }
    std::vector<std::string> present;
    for (const std::string& path : candidates) {
        if (std::find(present.begin(), present.end(), path) == present.end() &&
            CanOpenExclusively(path, choice.lockFolder)) {
            present.push_back(path);
        }
    }
    return present;
}

bool RunSeveralRadioJobs(CliContext& context, const PortOptions& portOptions,
                         const JobOrder& order) {
    if (const auto refusal = RefuseWrite(order, context.data)) {
        std::cerr << WriteRefusalTextUtf8(English(), *refusal) << "\n";
        context.exitCode = kExitDataError;
        return false;
    }
    const auto devices = ChosenDevices(context, portOptions);
    if (!devices) {
        return false;
    }
    // The history trims its oldest entries as each new one is kept: with room for fewer
    // entries than radios, the bench would delete the backups of its own radios.
    const HistorySettings history = HistorySettingsFor(context);
    if (order.checks.backupFirst && history.enabled && history.keepRefused.empty() &&
        history.keep < devices->size()) {
        std::cerr << "The history keeps only " << history.keep << " entries ([History] Keep=), "
                  << "fewer than the " << devices->size() << " backups of this write: nothing "
                  << "was written.\n";
        context.exitCode = kExitUsage;
        return false;
    }
    RunOnEvery(context, *devices, order);
    return context.exitCode == kExitSuccess;
}

void RunSeveralReads(CliContext& context, const PortOptions& portOptions,
                     const std::string& folder) {
    // A folder that is not there yet is made only when asked for as one ("reads/"): a file
    // name given by habit must not turn into a folder.
    std::error_code error;
    if (folder.ends_with('/') && !fs::exists(folder, error)) {
        fs::create_directories(folder, error);
    }
    if (!fs::is_directory(folder, error)) {
        std::cerr << "Reading several radios keeps a file for each in a folder: -o " << folder
                  << " is no folder (name a new one with a / at its end).\n";
        context.exitCode =
            fs::exists(folder, error) || !folder.ends_with('/') ? kExitUsage : kExitFileError;
        return;
    }
    const auto devices = ChosenDevices(context, portOptions);
    if (!devices) {
        return;
    }
    const Bench bench = RunOnEvery(context, *devices, {SessionMode::Data, true, {}, {}});
    bool allSaved = true;
    for (const BenchJob* job : bench.jobs) {
        if (job->Result().Succeeded()) {
            allSaved = SaveRead(*job, folder) && allSaved;
        }
    }
    if (!allSaved && context.exitCode == kExitSuccess) {
        context.exitCode = kExitFileError;
    }
}

}  // namespace radioprog::cli
