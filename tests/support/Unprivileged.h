#pragma once
// Runs a piece of a test in a child process: under a time limit (for a call that might block
// for ever) and, when we are root, as the unprivileged user "nobody" (for permission cases,
// which root would otherwise walk through).

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

namespace radioprog::testing {

inline constexpr uid_t kNobody = 65534;

struct ChildResult {
    bool finished = false;  // false: it was still running at the limit and was killed
    int exitCode = -1;
};

// Runs body in a child and waits up to limit; body's return value is the child's exit code.
inline ChildResult RunInChild(const std::function<int()>& body, bool dropPrivileges = false,
                              std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (dropPrivileges && geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            _exit(126);
        }
        _exit(body());
    }
    ChildResult result;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.finished = true;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace radioprog::testing
