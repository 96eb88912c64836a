#pragma once
// One simulated radio served on the radio side of its pseudo-terminal, in steps, so that one
// loop can serve any number of radios: each says what it waits for, and takes its turn when
// its line has bytes or its next reply is due.

#include <poll.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "RadioSimulator.h"

namespace radioprog {

class RadioServer {
  public:
    // memoryFile: written after every end byte and by Save (empty: none). dieAfterWrites: the
    // process is killed at once when the radio has taken this many write blocks, before it
    // acknowledges the last, as a radio whose cable is pulled in the middle of a write.
    RadioServer(RadioSimulator& radio, int fd, std::string memoryFile,
                std::optional<int> dieAfterWrites = std::nullopt)
        : radio_(radio), fd_(fd), memoryFile_(std::move(memoryFile)), dieAfter_(dieAfterWrites) {}

    // What to wait for: input always, room to send while replies wait to go out.
    pollfd PollEntry() const;
    // How long the loop may sleep for this radio at most, from nowMs.
    int64_t WaitLimitMs(int64_t nowMs) const;
    // Takes what the tool sent, sends the replies that are due, saves after an end byte.
    // revents: what the poll found on this line.
    void Serve(int64_t nowMs, short revents);
    // False when the memory file could not be written.
    bool Save();

  private:
    void TakeToolBytes(int64_t nowMs);
    void SendOutbox();

    RadioSimulator& radio_;
    int fd_;
    std::string memoryFile_;
    std::optional<int> dieAfter_;
    std::vector<uint8_t> outbox_;
    int savedAtEndCount_ = 0;
};

}  // namespace radioprog
