// radiosim: a simulated radio on a pseudo-terminal. Prints the device path as its first line,
// then answers the tool until SIGINT or SIGTERM.

#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "MemoryFile.h"
#include "PseudoTerminal.h"
#include "RadioSimulator.h"
#include "model/AtomicOutput.h"
#include "session/PasswordText.h"

using namespace radioprog;

namespace {

// Every failure of the simulator itself (a bad option, a memory file it cannot use, no
// pseudo-terminal, a memory file it could not write) ends with this one status, so a script
// tells them from a normal stop (0) without parsing messages.
constexpr int kExitFailure = 2;

volatile sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

int64_t MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Hex digits, optionally prefixed with 0x and separated by spaces, colons or dashes.
std::optional<std::vector<uint8_t>> ParseHexBytes(std::string text) {
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.erase(0, 2);
    }
    std::string digits;
    for (char c : text) {
        if (std::isxdigit(static_cast<unsigned char>(c))) {
            digits += c;
        } else if (c != ' ' && c != ':' && c != '-') {
            return std::nullopt;
        }
    }
    if (digits.empty() || digits.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < digits.size(); i += 2) {
        bytes.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

// A radio address: 0x followed by hex digits, or decimal digits; at most 0xFFFF.
std::optional<uint16_t> ParseAddress(const std::string& text) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    const auto isDigit = [hex](char c) {
        return hex ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                   : std::isdigit(static_cast<unsigned char>(c)) != 0;
    };
    if (digits.empty() || digits.size() > 8 ||
        !std::all_of(digits.begin(), digits.end(), isDigit)) {
        return std::nullopt;
    }
    const unsigned long value = std::stoul(digits, nullptr, hex ? 16 : 10);
    if (value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(value);
}

void InstallStopHandlers(sigset_t& waitMask) {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // A reader that vanished must not kill us through a write.
    signal(SIGPIPE, SIG_IGN);
    // Signals are delivered only inside ppoll, so none slips in between the check and the wait.
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGTERM);
    sigprocmask(SIG_BLOCK, &blocked, &waitMask);
    sigdelset(&waitMask, SIGINT);
    sigdelset(&waitMask, SIGTERM);
}

bool MakeLink(const std::string& linkPath, const std::string& target) {
    struct stat info {};
    if (lstat(linkPath.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            std::cerr << "radiosim: " << linkPath << " exists and is not a link; not replaced\n";
            return false;
        }
        unlink(linkPath.c_str());
    }
    if (symlink(target.c_str(), linkPath.c_str()) != 0) {
        std::cerr << "radiosim: cannot link " << linkPath << ": " << std::strerror(errno) << "\n";
        return false;
    }
    return true;
}

class Server {
  public:
    Server(RadioSimulator& radio, int fd, std::string memoryFile)
        : radio_(radio), fd_(fd), memoryFile_(std::move(memoryFile)) {}

    // False when the memory file could not be written at the end.
    bool Run(const sigset_t& waitMask) {
        while (!stopRequested) {
            WaitForLine(waitMask);
            const int64_t now = MonotonicMs();
            TakeToolBytes(now);
            std::vector<uint8_t> replies = radio_.TakeReplies(now);
            outbox_.insert(outbox_.end(), replies.begin(), replies.end());
            SendOutbox();
            SaveAfterEndByte();
        }
        return SaveMemory();
    }

  private:
    void WaitForLine(const sigset_t& waitMask) {
        int64_t waitMs = 100;
        if (auto due = radio_.NextReplyTime()) {
            waitMs = std::clamp<int64_t>(*due - MonotonicMs(), 0, waitMs);
        }
        pollfd line{fd_, static_cast<short>(POLLIN | (outbox_.empty() ? 0 : POLLOUT)), 0};
        timespec timeout{static_cast<time_t>(waitMs / 1000),
                         static_cast<long>((waitMs % 1000) * 1000000)};
        if (ppoll(&line, 1, &timeout, &waitMask) > 0 && (line.revents & (POLLHUP | POLLERR))) {
            // Only reachable if the device side was closed under us; don't spin.
            struct timespec pause {
                0, 10 * 1000000
            };
            nanosleep(&pause, nullptr);
        }
    }

    void TakeToolBytes(int64_t now) {
        uint8_t buffer[512];
        ssize_t n;
        while ((n = read(fd_, buffer, sizeof buffer)) > 0) {
            radio_.Receive({buffer, static_cast<size_t>(n)}, now);
        }
    }

    void SendOutbox() {
        while (!outbox_.empty()) {
            ssize_t n = write(fd_, outbox_.data(), outbox_.size());
            if (n <= 0) {
                if (n < 0 && errno != EAGAIN && errno != EINTR) {
                    outbox_.clear();  // the line is gone; a real radio's bytes would be too
                }
                return;
            }
            outbox_.erase(outbox_.begin(), outbox_.begin() + n);
        }
    }

    void SaveAfterEndByte() {
        if (radio_.EndByteCount() != savedAtEndCount_) {
            savedAtEndCount_ = radio_.EndByteCount();
            SaveMemory();
        }
    }

    bool SaveMemory() {
        if (memoryFile_.empty()) {
            return true;
        }
        const FileResult saved = SaveMemoryFile(memoryFile_, radio_.Memory());
        if (!saved) {
            std::cerr << "radiosim: " << saved.message << "\n";
        }
        return saved.ok;
    }

    RadioSimulator& radio_;
    int fd_;
    std::string memoryFile_;
    std::vector<uint8_t> outbox_;
    int savedAtEndCount_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "A simulated radio on a pseudo-terminal. The first line printed is the device "
        "path to give the programming tool."};
    std::string kind = "S";
    std::optional<std::string> password;
    std::string memoryFile, linkPath, status, firstByte;
    std::vector<std::string> dropWrites;
    SimulatorConfig config;
    config.logRequests = false;  // nobody reads the log here, and radiosim may run for days
    app.add_option("--kind", kind, "Radio kind: S, Y or legacy")
        ->check(CLI::IsMember({"S", "Y", "legacy"}, CLI::ignore_case))
        ->capture_default_str();
    app.add_option("--password", password,
                   "Radio password (up to 12 bytes in the radio's character set)");
    app.add_option("--memory", memoryFile,
                   "Memory file: loaded at start if it exists, written after every end byte "
                   "and on exit");
    app.add_option("--link", linkPath, "Also make a symbolic link to the device at this path");
    app.add_flag("--pace", config.pace,
                 "Hold each reply for the time its bytes and the request's need at 9600 baud");
    app.add_option("--reply-delay", config.replyDelayMs, "Extra delay before each reply (ms)")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--first-reply-delay", config.firstReplyDelayMs,
                   "Extra delay before the first reply only, as from a radio waking up (ms); "
                   "requests that arrive meanwhile are answered after it, one by one")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--status", status, "The 11 RF chip status bytes, as 22 hex digits");
    app.add_flag("--silent", config.faults.silent, "Never answer");
    app.add_option("--first-byte", firstByte, "Replace the first byte of every reply (hex)");
    app.add_option("--drop-byte", config.faults.dropByte,
                   "Leave out the byte at this index of every reply")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--extra-byte", config.faults.extraByte,
                   "Insert a 0x00 byte at this index of every reply")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--silent-after", config.faults.silentAfter,
                   "Answer this many requests, then fall silent")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--drop-write", dropWrites,
                   "Acknowledge a write block that covers this address (0x hex or decimal) but "
                   "do not store it; repeat for more addresses")
        ->allow_extra_args(false)
        ->type_name("ADDR");
    app.footer("Exit status: 0 when stopped by SIGINT or SIGTERM; " + std::to_string(kExitFailure) +
               " on any failure (a bad option, a memory file that is not a memory image of at "
               "most 64 KiB or cannot be written, no pseudo-terminal).");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : kExitFailure;
    }

    const std::string lowerKind = CLI::detail::to_lower(kind);
    config.kind = lowerKind == "legacy" ? RadioKind::Legacy
                  : lowerKind == "y"    ? RadioKind::Y
                                        : RadioKind::S;
    if (!status.empty()) {
        auto bytes = ParseHexBytes(status);
        if (!bytes || bytes->size() != kStatusByteCount) {
            std::cerr << "radiosim: --status needs exactly 11 bytes in hex\n";
            return kExitFailure;
        }
        std::copy(bytes->begin(), bytes->end(), config.status.begin());
    }
    // The tool sends the password in the radio's character set, so the simulated radio
    // stores it the same way; the block has room for 12 bytes, and a longer one would be cut
    // silently and then never match what the user types.
    if (password) {
        PasswordText text = EncodePassword(*password);
        if (!text.bytes) {
            std::cerr << "radiosim: --password: " << text.message << "\n";
            return kExitFailure;
        }
        password = std::move(text.bytes);
    }
    if (!firstByte.empty()) {
        auto bytes = ParseHexBytes(firstByte);
        if (!bytes || bytes->size() != 1) {
            std::cerr << "radiosim: --first-byte needs one byte in hex\n";
            return kExitFailure;
        }
        config.faults.firstByte = (*bytes)[0];
    }
    for (const std::string& text : dropWrites) {
        const std::optional<uint16_t> address = ParseAddress(text);
        if (!address) {
            std::cerr << "radiosim: --drop-write needs a radio address from 0 to 0xFFFF, not "
                      << text << "\n";
            return kExitFailure;
        }
        config.faults.dropWrites.push_back(*address);
    }

    RadioSimulator radio(config);
    if (!memoryFile.empty()) {
        std::string why;
        if (LoadMemoryFile(memoryFile, radio, &why) == MemoryFileLoad::Unreadable) {
            std::cerr << "radiosim: cannot use " << memoryFile << " as the memory file: " << why
                      << "\n";
            return kExitFailure;
        }
        // Found out now, not when the first write has to be saved.
        if (const FileResult writable = CheckOutputWritable(memoryFile); !writable) {
            std::cerr << "radiosim: " << writable.message << "\n";
            return kExitFailure;
        }
    }
    // A password on the command line wins over the one the memory file holds.
    if (password) {
        radio.SetPassword(*password);
    }

    sigset_t waitMask;
    InstallStopHandlers(waitMask);
    PseudoTerminal line;
    std::string error;
    if (!line.Open(error)) {
        std::cerr << "radiosim: " << error << "\n";
        return kExitFailure;
    }
    // The link is in place before anyone reading our first line can look for it.
    const bool linked = !linkPath.empty() && MakeLink(linkPath, line.DevicePath());
    std::cout << line.DevicePath() << std::endl;

    const bool saved = Server(radio, line.RadioFd(), memoryFile).Run(waitMask);

    if (linked) {
        unlink(linkPath.c_str());
    }
    return saved ? 0 : kExitFailure;
}
