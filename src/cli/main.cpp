// radioprog-cli: the tool's core without windows, for scripts and power users.

#include <CLI/CLI.hpp>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "appdata/AppData.h"
#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/StandardOutput.h"

namespace {

std::string ExecutableDir(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        self = std::filesystem::absolute(argv0, error);
    }
    return self.parent_path().string();
}

// A closed standard output would hand descriptor 1 to the next file we open, and a table
// printed then would land in a project file. Hold the place with a descriptor that cannot be
// written, so printing fails as it would have.
void HoldClosedStandardOutput() {
    if (fcntl(STDOUT_FILENO, F_GETFD) < 0 && errno == EBADF) {
        const int fd = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (fd >= 0 && fd != STDOUT_FILENO) {
            dup2(fd, STDOUT_FILENO);
            close(fd);
        }
    }
}

// A listing that did not reach its reader must not end as a success, and says why not.
int CheckStandardOutput(const radioprog::cli::StandardOutput& out, int status) {
    std::cout.flush();
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout.good() && out.Error() == 0) {
        return status;
    }
    const int error = out.Error() != 0 ? out.Error() : errno;
    std::cerr << "Cannot write to standard output: "
              << (error != 0 ? std::strerror(error) : "write failed") << "\n";
    return status == 0 ? radioprog::cli::kExitOutputError : status;
}

}  // namespace

int main(int argc, char** argv) try {
    using namespace radioprog;
    HoldClosedStandardOutput();
    const cli::StandardOutput out(std::cout);
    AppData data;
    cli::CliContext context{data, std::nullopt, ExecutableDir(argv[0])};

    CLI::App app;
    cli::BuildCommandLine(app, context);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return CheckStandardOutput(out, status == 0 ? 0 : cli::kExitUsage);
    }
    return CheckStandardOutput(out, context.exitCode);
} catch (const std::exception& error) {
    // A message and an exit code a script can read, rather than an abort.
    std::cerr << "radioprog-cli: " << error.what() << "\n";
    return radioprog::cli::kExitSoftware;
}
