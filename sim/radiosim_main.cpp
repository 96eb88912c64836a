// radiosim: a simulated radio on a pseudo-terminal (or several, each on its own). Prints each
// device path on a line of its own, then answers the tool until SIGINT or SIGTERM.

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
#include <deque>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "MemoryFile.h"
#include "PseudoTerminal.h"
#include "RadioServer.h"
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

// Serves every radio from one loop until SIGINT or SIGTERM; false when a memory file could not
// be written at the end.
bool ServeUntilStopped(std::vector<RadioServer>& servers, const sigset_t& waitMask) {
    std::vector<pollfd> lines(servers.size());
    while (!stopRequested) {
        const int64_t now = MonotonicMs();
        int64_t waitMs = 100;
        for (size_t i = 0; i < servers.size(); ++i) {
            lines[i] = servers[i].PollEntry();
            waitMs = std::min(waitMs, servers[i].WaitLimitMs(now));
        }
        const timespec timeout{static_cast<time_t>(waitMs / 1000),
                               static_cast<long>((waitMs % 1000) * 1000000)};
        if (ppoll(lines.data(), lines.size(), &timeout, &waitMask) < 0) {
            continue;
        }
        const int64_t woke = MonotonicMs();
        for (size_t i = 0; i < servers.size(); ++i) {
            servers[i].Serve(woke, lines[i].revents);
        }
    }
    bool saved = true;
    for (RadioServer& server : servers) {
        saved = server.Save() && saved;
    }
    return saved;
}

// With several radios, the n-th one's link or memory file: the path given with n after it.
std::string Numbered(const std::string& path, int count, int n) {
    return path.empty() || count == 1 ? path : path + std::to_string(n);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "A simulated radio on a pseudo-terminal. The first line printed is the device "
        "path to give the programming tool."};
    std::string kind = "S";
    std::optional<std::string> password;
    std::string memoryFile, linkPath, status, firstByte;
    std::vector<std::string> dropWrites;
    int count = 1;
    std::optional<int> dieAfterWrites;
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
    app.add_option("--count", count,
                   "Simulate this many radios, each on a pseudo-terminal of its own, all alike; "
                   "their devices are printed one to a line, and --link and --memory get the "
                   "radio's number appended (PATH1, PATH2, ...)")
        ->check(CLI::Range(1, 1000));
    app.add_option("--killed-after-writes", dieAfterWrites,
                   "Die at once (SIGKILL) when this many write blocks have come in, before "
                   "acknowledging the last, as a radio whose cable is pulled mid-write")
        ->check(CLI::PositiveNumber);
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

    std::deque<RadioSimulator> radios;
    for (int n = 1; n <= count; ++n) {
        RadioSimulator& radio = radios.emplace_back(config);
        const std::string memory = Numbered(memoryFile, count, n);
        if (!memory.empty()) {
            std::string why;
            if (LoadMemoryFile(memory, radio, &why) == MemoryFileLoad::Unreadable) {
                std::cerr << "radiosim: cannot use " << memory << " as the memory file: " << why
                          << "\n";
                return kExitFailure;
            }
            // Found out now, not when the first write has to be saved.
            if (const FileResult writable = CheckOutputWritable(memory); !writable) {
                std::cerr << "radiosim: " << writable.message << "\n";
                return kExitFailure;
            }
        }
        // A password on the command line wins over the one the memory file holds.
        if (password) {
            radio.SetPassword(*password);
        }
    }

    sigset_t waitMask;
    InstallStopHandlers(waitMask);
    std::deque<PseudoTerminal> lines;
    std::vector<RadioServer> servers;
    std::vector<std::string> links;
    for (int n = 1; n <= count; ++n) {
        PseudoTerminal& line = lines.emplace_back();
        std::string error;
        if (!line.Open(error)) {
            std::cerr << "radiosim: " << error << "\n";
            return kExitFailure;
        }
        // The link is in place before anyone reading our first lines can look for it.
        const std::string link = Numbered(linkPath, count, n);
        if (!link.empty() && MakeLink(link, line.DevicePath())) {
            links.push_back(link);
        }
        servers.emplace_back(radios[static_cast<size_t>(n - 1)], line.RadioFd(),
                             Numbered(memoryFile, count, n), dieAfterWrites);
    }
    for (const PseudoTerminal& line : lines) {
        std::cout << line.DevicePath() << "\n";
    }
    std::cout << std::flush;

    const bool saved = ServeUntilStopped(servers, waitMask);

    for (const std::string& link : links) {
        unlink(link.c_str());
    }
    return saved ? 0 : kExitFailure;
}
