#pragma once
// Runs a piece of a test in a child process: under a time limit (for a call that might block
// for ever) and, when we are root, as the unprivileged user "nobody" (for permission cases,
// which root would otherwise walk through).

#include <unistd.h>

#include <chrono>
#include <functional>

#include "support/Programs.h"

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
    const int code = WaitAtMost(pid, limit);
    return {code != -2, code};
}

}  // namespace radioprog::testing
