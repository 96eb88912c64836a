#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace radioprog::testing {

struct ProgramResult {
    int exitCode = -1;
    std::string output;  // standard output, and standard error when asked for
};

// The folder the programs under test were built into (set by ctest).
inline std::string BinDir() {
    const char* dir = std::getenv("RADIOPROG_BIN_DIR");
    return dir != nullptr ? dir : "bin";
}

// Runs a shell command line and collects its output and exit code.
inline ProgramResult RunProgram(const std::string& commandLine) {
    ProgramResult result;
    FILE* pipe = popen(commandLine.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 4096> chunk;
    size_t n;
    while ((n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0) {
        result.output.append(chunk.data(), n);
    }
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace radioprog::testing
