#pragma once
// Holding what a radio reads back after a write against what the write sent: which blocks a
// write sends, which of their bytes came back different, and where those bytes lie in words
// a user knows (a channel, the settings, the calibration block).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/BandLimits.h"
#include "model/ProjectImage.h"
#include "session/RadioMemoryMap.h"
#include "session/TransferPlans.h"

namespace radioprog {

// The buffers as the write left them: exactly the bytes it sent.
struct SentData {
    RadioMemory memory;
    CalibrationImage calibration;
};

struct WrittenBlock {
    BlockRequest request = BlockRequest::WriteCurrent;
    int offset = 0;        // in the buffer the block was sent from
    uint16_t address = 0;  // in the radio
};

// Every block the plan writes, in the order it writes them.
std::vector<WrittenBlock> WrittenBlocks(const TransferPlan& plan);

// The bytes the blocks sent, one block after the other.
std::vector<uint8_t> SentBytes(const std::vector<WrittenBlock>& blocks, const SentData& sent);

// The radio addresses, ascending, whose byte read back differs from the byte sent. Data
// blocks are held against dataReadBack, calibration blocks against calibrationReadBack (a
// calibration read fills the buffer from offset 0); a block with no read-back is skipped.
// The last-write stamp is not compared: it says when, not what.
std::vector<uint16_t> DifferingAddresses(const std::vector<WrittenBlock>& blocks,
                                         const SentData& sent, const RadioMemory* dataReadBack,
                                         const RadioMemory* calibrationReadBack);

// What the radio should hold once the write is done: the data read back, with every data
// block the write sent (the password block among them) as it was sent.
RadioMemory ExpectedMemory(const std::vector<WrittenBlock>& blocks, const SentData& sent,
                           const RadioMemory& dataReadBack);

// Where a radio address lies.
struct MemoryPlace {
    enum class Kind { Settings, Password, Channel, Calibration };
    Kind kind = Kind::Settings;
    int channel = 0;  // 1..16 for a channel
    friend bool operator==(const MemoryPlace&, const MemoryPlace&) = default;
};
MemoryPlace PlaceOfAddress(uint16_t address, bool legacyRadio);
// "channel 3", "settings", "password", "calibration block".
std::string PlaceText(const MemoryPlace& place);
// Each place of the addresses once, in address order.
std::vector<MemoryPlace> PlacesOf(const std::vector<uint16_t>& addresses, bool legacyRadio);
// The addresses as hexadecimal ranges: "0x8093-0x8095, 0x80A0".
std::string AddressRanges(const std::vector<uint16_t>& addresses);

struct ProjectSide {
    ProjectImage image;
    BandLimits band;
};

// The outcome of a verify: nothing differs, or what does.
struct VerifyReport {
    bool ran = false;
    bool legacyRadio = false;
    std::vector<uint16_t> differingAddresses;
    // The data sent and the data read back, each converted into a project from the same
    // starting project, so that a comparison of the two names the fields that differ.
    // Absent when no channel or setting was verified.
    std::optional<ProjectSide> sentProject;
    std::optional<ProjectSide> readProject;

    bool Agrees() const { return differingAddresses.empty(); }
    std::vector<MemoryPlace> Places() const { return PlacesOf(differingAddresses, legacyRadio); }
};

}  // namespace radioprog
