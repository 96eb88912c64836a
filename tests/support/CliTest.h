#pragma once
// radioprog-cli as every test runs it. The program comes from RADIOPROG_BIN_DIR; it reads a
// configuration file of the tool's own that does not exist (the defaults; with --config the
// file beside the program is never read either), and for as long as the tool lives
// XDG_CONFIG_HOME and XDG_DATA_HOME name folders of its own, so no command reads or writes
// the user's configuration or history. Standard output and error are captured in the work
// folder given (stdout.txt, stderr.txt), unless the ProgramIo says otherwise.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/Programs.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace radioprog::testing {

class CliTool {
  public:
    explicit CliTool(std::filesystem::path workFolder) : work_(std::move(workFolder)) {}

    // Every run is stopped after limit (exit code -2) unless its ProgramIo names another.
    void StopAfter(std::chrono::milliseconds limit) { limit_ = limit; }

    // The command line: the program, --config with config (the tool's own missing file when
    // empty), then args.
    std::vector<std::string> Command(std::vector<std::string> args,
                                     const std::string& config = {}) const {
        args.insert(args.begin(), {BinDir() + "/radioprog-cli", "--config",
                                   config.empty() ? home_.File("none.ini") : config});
        return args;
    }

    CliRun operator()(std::vector<std::string> args, const ProgramIo& io = {}) const {
        return RunWithConfig({}, std::move(args), io);
    }
    // With a configuration file the test wrote.
    CliRun RunWithConfig(const std::string& config, std::vector<std::string> args,
                         ProgramIo io = {}) const {
        if (!io.limit) {
            io.limit = limit_;
        }
        return RunProgram(Command(std::move(args), config), work_, io);
    }

  private:
    TempFolder home_;
    ScopedEnvironment configHome_{"XDG_CONFIG_HOME", home_.File("config")};
    ScopedEnvironment dataHome_{"XDG_DATA_HOME", home_.File("data")};
    std::filesystem::path work_;
    std::optional<std::chrono::milliseconds> limit_;
};

// A test of radioprog-cli in a fresh folder of its own, removed afterwards.
class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(BinDir().empty()) << "RADIOPROG_BIN_DIR must name the programs' folder";
    }

    std::string Path(const std::string& name) const { return folder_.File(name); }

    CliRun Cli(std::vector<std::string> args, const ProgramIo& io = {}) const {
        return cli_(std::move(args), io);
    }
    CliRun CliWithConfig(const std::string& config, std::vector<std::string> args,
                         const ProgramIo& io = {}) const {
        return cli_.RunWithConfig(config, std::move(args), io);
    }
    // For a test that starts the tool itself (signals, a terminal of its own).
    std::vector<std::string> CliCommand(std::vector<std::string> args) const {
        return cli_.Command(std::move(args));
    }

    TempFolder folder_;
    CliTool cli_{folder_.Path()};
};

}  // namespace radioprog::testing
