#pragma once
// The radio's end of a pseudo-terminal. The tool opens the device path like a serial port;
// the simulator reads and writes the other end. We hold the device side open ourselves, so
// the line stays up however often the tool closes and reopens it.

#include <string>

namespace radioprog {

class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates the pair in raw mode with a non-blocking radio side. On failure error says why.
    bool Open(std::string& error);
    int RadioFd() const { return masterFd_; }
    const std::string& DevicePath() const { return devicePath_; }

  private:
    int masterFd_ = -1;
    int keepAliveFd_ = -1;
    std::string devicePath_;
};

}  // namespace radioprog
