#pragma once
// Pseudo-terminals and helper processes for tests that need real devices.

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace radioprog::testing {

// One pseudo-terminal pair; the test plays the far end on master.
struct Pty {
    int master = -1;
    std::string path;

    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) {
            char name[128];
            if (ptsname_r(master, name, sizeof name) == 0) {
                path = name;
            }
        }
    }
    ~Pty() {
        if (master >= 0) {
            close(master);
        }
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
};

// A child process that holds path open with an exclusive flock until destroyed.
class LockHolder {
  public:
    explicit LockHolder(const std::string& path) {
        int ready[2];
        if (pipe(ready) != 0 || pipe(release_) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            close(release_[1]);
            int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            char ok = (fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0) ? 1 : 0;
            (void)!write(ready[1], &ok, 1);
            char byte;
            (void)!read(release_[0], &byte, 1);
            _exit(0);
        }
        close(ready[1]);
        close(release_[0]);
        char ok = 0;
        held_ = read(ready[0], &ok, 1) == 1 && ok == 1;
        close(ready[0]);
    }
    ~LockHolder() {
        if (pid_ > 0) {
            close(release_[1]);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool Held() const { return held_; }

  private:
    pid_t pid_ = -1;
    int release_[2] = {-1, -1};
    bool held_ = false;
};

// Runs body in a child that has dropped root for the user "nobody"; returns its exit code,
// or -1 when privileges cannot be dropped here.
template <typename Body>
int AsNobody(Body body) {
    passwd* nobody = getpwnam("nobody");
    if (nobody == nullptr) {
        return -1;
    }
    pid_t pid = fork();
    if (pid == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
            setuid(nobody->pw_uid) != 0) {
            _exit(99);
        }
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 99) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// A fresh empty folder, removed with everything in it.
struct TempFolder {
    std::filesystem::path path;
    TempFolder() {
        char pattern[] = "/tmp/radioprog-test-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
};

}  // namespace radioprog::testing
