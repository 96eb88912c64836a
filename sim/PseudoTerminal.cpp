#include "PseudoTerminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace radioprog {

PseudoTerminal::~PseudoTerminal() {
    if (keepAliveFd_ >= 0) {
        close(keepAliveFd_);
    }
    if (masterFd_ >= 0) {
        close(masterFd_);
    }
}

bool PseudoTerminal::Open(std::string& error) {
    masterFd_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (masterFd_ < 0 || grantpt(masterFd_) != 0 || unlockpt(masterFd_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    char name[128];
    if (ptsname_r(masterFd_, name, sizeof name) != 0) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    devicePath_ = name;
    keepAliveFd_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (keepAliveFd_ < 0) {
        error = "cannot open " + devicePath_ + ": " + std::strerror(errno);
        return false;
    }
    // Raw from the start: an echoing line would send every reply straight back to us.
    termios tio{};
    if (tcgetattr(keepAliveFd_, &tio) != 0) {
        error = std::string("cannot read the line settings: ") + std::strerror(errno);
        return false;
    }
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (tcsetattr(keepAliveFd_, TCSANOW, &tio) != 0) {
        error = std::string("cannot set raw mode: ") + std::strerror(errno);
        return false;
    }
    const int flags = fcntl(masterFd_, F_GETFL);
    if (flags < 0 || fcntl(masterFd_, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = std::string("cannot make the line non-blocking: ") + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace radioprog
