#pragma once
// The real programs under test, from the folder named by RADIOPROG_BIN_DIR (set by ctest):
// a program run to its end with its output captured, and radiosim kept running.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace radioprog::testing {

inline std::string BinDir() {
    const char* bin = std::getenv("RADIOPROG_BIN_DIR");
    return bin ? std::string(bin) : std::string();
}

// Runs argv (argv[0] a program path) with stdout and stderr captured to files.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Replaces this (forked) process with args (args[0] a program path).
[[noreturn]] inline void ExecProgram(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

// Waits up to limit for pid: its exit code, -1 when a signal ended it, or -2 when it was
// still running and had to be killed.
inline int WaitAtMost(pid_t pid, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -2;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Starts argv (argv[0] a program path) with stdout and stderr going to stdout.txt and
// stderr.txt in scratch; the caller waits for it. The process id, or -1.
inline pid_t StartProgram(const std::vector<std::string>& args,
                          const std::filesystem::path& scratch) {
    const auto outPath = scratch / "stdout.txt";
    const auto errPath = scratch / "stderr.txt";
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen(outPath.c_str(), "w", stdout);
        std::freopen(errPath.c_str(), "w", stderr);
        ExecProgram(args);
    }
    return pid;
}

// How a program's standard streams are wired. By default standard output and standard error
// are captured in stdout.txt and stderr.txt of the scratch folder, standard input is the
// test's own, and the test waits as long as the program runs.
struct ProgramIo {
    // Fed to standard input through a pipe, which is closed after it.
    std::optional<std::string> input;
    // Standard output goes there (a FIFO, /dev/full) instead of being captured.
    std::string stdoutPath;
    bool stdoutClosed = false;
    // A program still running after this long is killed; its exit code is then -2.
    std::optional<std::chrono::milliseconds> limit;
};

inline ProgramIo FedWith(std::string input) {
    ProgramIo io;
    io.input = std::move(input);
    return io;
}
inline ProgramIo StdoutTo(std::string path) {
    ProgramIo io;
    io.stdoutPath = std::move(path);
    return io;
}
inline ProgramIo StdoutClosed() {
    ProgramIo io;
    io.stdoutClosed = true;
    return io;
}

// Runs argv to its end and collects its exit code (-1 when a signal ended it) and output.
inline CliRun RunProgram(const std::vector<std::string>& args, const std::filesystem::path& scratch,
                         const ProgramIo& io = {}) {
    const bool captured = io.stdoutPath.empty() && !io.stdoutClosed;
    const auto outPath = captured ? scratch / "stdout.txt" : std::filesystem::path(io.stdoutPath);
    const auto errPath = scratch / "stderr.txt";
    int feed[2] = {-1, -1};
    if (io.input && pipe(feed) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        if (io.input) {
            dup2(feed[0], STDIN_FILENO);
            close(feed[0]);
            close(feed[1]);
        }
        if (io.stdoutClosed) {
            close(STDOUT_FILENO);
        } else {
            std::freopen(outPath.c_str(), "w", stdout);
        }
        std::freopen(errPath.c_str(), "w", stderr);
        ExecProgram(args);
    }
    if (io.input) {
        close(feed[0]);
        // A program that stops reading early must not end the test.
        const auto oldPipeAction = signal(SIGPIPE, SIG_IGN);
        for (size_t at = 0; pid > 0 && at < io.input->size();) {
            const ssize_t n = write(feed[1], io.input->data() + at, io.input->size() - at);
            if (n <= 0) {
                break;
            }
            at += static_cast<size_t>(n);
        }
        signal(SIGPIPE, oldPipeAction);
        close(feed[1]);
    }
    CliRun run;
    int status = 0;
    if (pid > 0 && io.limit) {
        run.exitCode = WaitAtMost(pid, *io.limit);
    } else if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    run.out = captured ? ReadAll(outPath) : std::string();
    run.err = ReadAll(errPath);
    return run;
}

// A running radiosim; stopped with SIGTERM (and waited for) when destroyed. With --count N
// among the options, give N as count: it names N devices.
class Radiosim {
  public:
    explicit Radiosim(const std::vector<std::string>& options, int count = 1) {
        int out[2];
        if (pipe(out) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<std::string> args = {BinDir() + "/radiosim"};
            args.insert(args.end(), options.begin(), options.end());
            ExecProgram(args);
        }
        close(out[1]);
        output_ = fdopen(out[0], "r");
        char line[256];
        for (int n = 0;
             n < count && output_ != nullptr && std::fgets(line, sizeof line, output_) != nullptr;
             ++n) {
            std::string device = line;
            if (!device.empty() && device.back() == '\n') {
                device.pop_back();
            }
            devices_.push_back(device);
        }
        if (!devices_.empty()) {
            device_ = devices_.front();
        }
    }
    ~Radiosim() { Stop(); }
    Radiosim(const Radiosim&) = delete;
    Radiosim& operator=(const Radiosim&) = delete;

    const std::string& Device() const { return device_; }
    const std::vector<std::string>& Devices() const { return devices_; }
    pid_t Pid() const { return pid_; }

    // Stops it with SIGTERM; its exit status, or -1 if it did not exit by itself.
    int Stop() {
        int status = -1;
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, &status, 0);
            pid_ = -1;
        }
        if (output_ != nullptr) {
            fclose(output_);
            output_ = nullptr;
        }
        return status >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    FILE* output_ = nullptr;
    std::string device_;
    std::vector<std::string> devices_;
};

}  // namespace radioprog::testing
