#include "port/PosixSerialPort.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include "port/CableRule.h"
#include "port/DeviceHolders.h"

namespace radioprog {

namespace {

PortResult Failure(PortError error, std::string message) {
    return {error, std::move(message)};
}

std::string GroupOwning(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return {};
    }
    std::vector<char> buffer(16384);
    group entry{};
    group* found = nullptr;
    if (getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr) {
        return std::to_string(info.st_gid);
    }
    return found->gr_name;
}

std::string UserOwning(const struct stat& info) {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(info.st_uid, &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr) {
        return "user " + std::to_string(info.st_uid);
    }
    return found->pw_name;
}

PortResult NoPermission(const std::string& path) {
    std::string message = "No permission to open " + path + ".";
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return Failure(PortError::NoPermission, message + CableRuleAdvice());
    }
    // Joining the group only helps when the group may read and write, and joining root's
    // group would hand out far more than one serial line.
    const bool groupMayUse = (info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    if (!groupMayUse || info.st_gid == 0) {
        message += " Only " + UserOwning(info) +
                   " can open it. A udev rule that gives the device a group with read and "
                   "write access (such as dialout) is needed; then join that group.";
    } else {
        const std::string group = GroupOwning(path);
        message += " The device belongs to the group " + group +
                   "; join it with \"sudo usermod -aG " + group +
                   " $USER\", then log out and in again.";
    }
    return Failure(PortError::NoPermission, message + CableRuleAdvice());
}

PortResult InUse(const std::string& path, std::optional<DeviceHolder> holder = std::nullopt) {
    if (!holder) {
        holder = FindOtherHolder(path);
    }
    std::string who = "another program";
    if (holder) {
        who = (holder->name.empty() ? std::string("a process") : holder->name) + " (pid " +
              std::to_string(holder->pid) + ")";
    }
    return Failure(PortError::InUse,
                   path + " is in use by " + who + ". Close that program and try again.");
}

std::string StaleExclusiveNote(const std::string& path) {
    return path +
           " was still marked for exclusive use by a program that ended without closing it; "
           "the mark was cleared.";
}

// Only root may open a line marked exclusive, so an ordinary user cannot clear a mark its
// program left behind; without a holder to name, "another program" would send the user
// looking for one that is not there.
PortResult RefusedAsExclusive(const std::string& path) {
    if (std::optional<DeviceHolder> holder = FindOtherHolder(path)) {
        return InUse(path, holder);
    }
    return Failure(PortError::InUse,
                   path +
                       " is marked for exclusive use, but no process we may see has it open; "
                       "a program that ended without closing it leaves such a mark. Unplug "
                       "and replug the cable to clear it.");
}

PortResult NotSerial(const std::string& path) {
    return Failure(PortError::NotSerial, path + " is not a serial device.");
}

PortResult FailedOpen(const std::string& path, int error) {
    switch (error) {
        case ENOENT:
        case ENXIO:
        case ENODEV:
        case EIO:
            return Failure(PortError::NoSuchDevice,
                           "No serial device at " + path + ". Check that the cable is plugged in.");
        case EACCES:
        case EPERM:
            return NoPermission(path);
        case EBUSY:
            return RefusedAsExclusive(path);
        case EISDIR:
        case ENOTDIR:
            return NotSerial(path);
        default:
            return Failure(PortError::IoError,
                           "Cannot open " + path + ": " + std::strerror(error) + ".");
    }
}

PortResult SystemError(const std::string& what, const std::string& path) {
    return Failure(PortError::IoError, what + " failed on " + path + ": " + std::strerror(errno));
}

std::optional<speed_t> SpeedOf(uint32_t baudRate) {
    switch (baudRate) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        default:
            return std::nullopt;
    }
}

tcflag_t CharacterSize(uint8_t dataBits) {
    switch (dataBits) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

// Pseudo-terminals and some adapters have no modem lines; the line still works without.
void RaiseModemLines(int fd, const LineSettings& settings) {
    int raise = (settings.dtrOn ? TIOCM_DTR : 0) | (settings.rtsOn ? TIOCM_RTS : 0);
    int lower = (settings.dtrOn ? 0 : TIOCM_DTR) | (settings.rtsOn ? 0 : TIOCM_RTS);
    if (raise != 0) {
        (void)ioctl(fd, TIOCMBIS, &raise);
    }
    if (lower != 0) {
        (void)ioctl(fd, TIOCMBIC, &lower);
    }
}

}  // namespace

PosixSerialPort::~PosixSerialPort() {
    Close();
}

PortResult PosixSerialPort::Open(const std::string& devicePath) {
    Close();
    // The lock file comes first: a line its owner has locked is not even opened, since an
    // open alone can disturb some adapters.
    switch (lock_.Take(lockFolder_, devicePath)) {
        case UucpLock::State::HeldByOther:
            // Without an owner (the file kept changing under us) there is no one to name.
            return lock_.Owner() > 0
                       ? InUse(devicePath, DeviceHolder{lock_.Owner(), ProcessName(lock_.Owner())})
                       : InUse(devicePath);
        case UucpLock::State::Unreadable:
            return Failure(PortError::InUse, devicePath + " is locked by " + lock_.Path() +
                                                 ", which names no process. Remove that file "
                                                 "if no program uses the line.");
        case UucpLock::State::Taken:
        case UucpLock::State::NotPossible:  // flock and the exclusive flag still protect us
            break;
    }
    PortResult result = OpenLocked(devicePath);
    if (!result) {
        lock_.Release();
    }
    return result;
}

PortResult PosixSerialPort::OpenLocked(const std::string& devicePath) {
    int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return FailedOpen(devicePath, errno);
    }
    if (!isatty(fd)) {
        close(fd);
        return NotSerial(devicePath);
    }
    // Root opens a line another program marked exclusive. While that program runs it is its
    // line, and its flag stays as it is. A flag that outlived its program (killed before it
    // could close) would refuse every later open until the cable is replugged, so with no
    // holder left it is cleared, and the result says so.
    std::string note;
    int exclusive = 0;
    if (ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0) {
        if (std::optional<DeviceHolder> holder = FindOtherHolder(devicePath)) {
            close(fd);
            return InUse(devicePath, holder);
        }
        if (ioctl(fd, TIOCNXCL) != 0) {
            close(fd);
            return InUse(devicePath);
        }
        note = StaleExclusiveNote(devicePath);
    }
    // flock holds even against root, where the terminal's own exclusive flag does not.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        close(fd);
        return error == EWOULDBLOCK ? InUse(devicePath) : FailedOpen(devicePath, error);
    }
    if (std::optional<DeviceHolder> holder = FindOtherHolder(devicePath)) {
        close(fd);
        return InUse(devicePath, holder);
    }
    weSetExclusive_ = ioctl(fd, TIOCEXCL) == 0;
    fd_ = fd;
    path_ = devicePath;
    return {PortError::None, note};
}

PortResult PosixSerialPort::ApplyLineSettings(const LineSettings& settings) {
    if (fd_ < 0) {
        return Failure(PortError::IoError, "The port is not open.");
    }
    std::optional<speed_t> speed = SpeedOf(settings.baudRate);
    if (!speed) {
        return Failure(PortError::IoError,
                       "Unsupported speed " + std::to_string(settings.baudRate) + " baud.");
    }
    termios tio{};
    if (tcgetattr(fd_, &tio) != 0) {
        return SystemError("Reading the line settings", path_);
    }
    cfmakeraw(&tio);
    cfsetispeed(&tio, *speed);
    cfsetospeed(&tio, *speed);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= CharacterSize(settings.dataBits) | CLOCAL | CREAD;
    if (settings.parity) {
        tio.c_cflag |= PARENB;
    }
    if (settings.stopBits >= 2) {
        tio.c_cflag |= CSTOPB;
    }
    if (settings.ctsFlowControl) {
        tio.c_cflag |= CRTSCTS;
    }
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    if (settings.xonXoff) {
        tio.c_iflag |= IXON | IXOFF;
        tio.c_cc[VSTART] = settings.xonChar;
        tio.c_cc[VSTOP] = settings.xoffChar;
    }
    // Reads return what is there at once; the session polls.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (tcsetattr(fd_, TCSANOW, &tio) != 0) {
        return SystemError("Applying the line settings", path_);
    }
    RaiseModemLines(fd_, settings);
    return {};
}

PortResult PosixSerialPort::SetQueueSizes(size_t, size_t) {
    if (fd_ < 0) {
        return Failure(PortError::IoError, "The port is not open.");
    }
    return {};
}

PortResult PosixSerialPort::Purge() {
    return Flush(TCIOFLUSH);
}

PortResult PosixSerialPort::PurgeInput() {
    return Flush(TCIFLUSH);
}

PortResult PosixSerialPort::Flush(int queues) {
    if (fd_ < 0) {
        return Failure(PortError::IoError, "The port is not open.");
    }
    if (tcflush(fd_, queues) != 0) {
        return SystemError("Discarding pending data", path_);
    }
    return {};
}

size_t PosixSerialPort::Write(std::span<const uint8_t> bytes) {
    size_t written = 0;
    while (fd_ >= 0 && written < bytes.size()) {
        ssize_t n = write(fd_, bytes.data() + written, bytes.size() - written);
        if (n > 0) {
            written += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break;
        }
    }
    return written;
}

size_t PosixSerialPort::BytesWaiting() {
    int waiting = 0;
    if (fd_ < 0 || ioctl(fd_, FIONREAD, &waiting) != 0 || waiting < 0) {
        return 0;
    }
    return static_cast<size_t>(waiting);
}

size_t PosixSerialPort::Read(std::span<uint8_t> buffer) {
    if (fd_ < 0 || buffer.empty()) {
        return 0;
    }
    ssize_t n;
    do {
        n = read(fd_, buffer.data(), buffer.size());
    } while (n < 0 && errno == EINTR);
    return n > 0 ? static_cast<size_t>(n) : 0;
}

void PosixSerialPort::Close() {
    if (fd_ < 0) {
        return;
    }
    // The exclusive flag belongs to the terminal, not to our descriptor: a pseudo-terminal
    // kept alive by its other side would otherwise refuse the next open. Only a flag we set
    // is ours to clear.
    if (weSetExclusive_) {
        (void)ioctl(fd_, TIOCNXCL);
    }
    weSetExclusive_ = false;
    close(fd_);
    fd_ = -1;
    path_.clear();
    lock_.Release();
}

bool CanOpenExclusively(const std::string& devicePath, const std::string& lockFolder) {
    PosixSerialPort port(lockFolder);
    return static_cast<bool>(port.Open(devicePath));
}

}  // namespace radioprog
