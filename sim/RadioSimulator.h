#pragma once
// A simulated radio on explicit time: the tool's bytes go in with the moment they arrived,
// the radio's replies come out once they are due. Nothing here reads a clock, so a test
// drives it on virtual time and radiosim drives it on the real one.
//
// The radio answers the handshake as a current 'S' or 'Y' radio or as a legacy one, serves
// read and write requests on its 64 KiB memory, takes the end byte, and answers the RF
// chip status query. A request left incomplete for 100 ms is dropped, as firmware would.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "session/RadioKind.h"

namespace radioprog {

// Every address a request can name; the tool's session buffer mirrors only part of it.
inline constexpr size_t kRadioAddressSpace = 0x10000;
inline constexpr size_t kStatusByteCount = 11;
inline constexpr uint16_t kPasswordBlockAddress = 0x4040;
inline constexpr int64_t kPartialRequestTimeoutMs = 100;

// Misbehaviour on request. Reply faults apply to every reply to a request counted from
// faultsFromRequest on (0: all of them); dropped writes apply to every write.
struct SimulatorFaults {
    bool silent = false;               // never answers
    std::optional<uint8_t> firstByte;  // replaces the first byte of each reply
    std::optional<int> dropByte;       // removes the byte at this index of each reply
    std::optional<int> extraByte;      // inserts 0x00 at this index (past the end: appends)
    std::optional<int> silentAfter;    // answers this many requests, then none
    // A write block covering any of these addresses is acknowledged as usual but not stored,
    // as by a radio whose memory failed to take it: only reading it back finds out.
    std::vector<uint16_t> dropWrites;
    int faultsFromRequest = 0;
};

struct SimulatorConfig {
    RadioKind kind = RadioKind::S;
    // Empty: the radio has no password (its block starts with 0xFF).
    std::string password;
    // The RF chip status bytes sent after "YS".
    std::array<uint8_t, kStatusByteCount> status = {0x7C, 0x50, 0x20, 0xA4, 0x00, 0x80,
                                                    0x80, 0x00, 0x3C, 0x01, 0x2C};
    // Extra time between the request's last byte and the reply.
    int replyDelayMs = 0;
    // Extra time before the radio's very first reply only (a radio still waking up, a slow
    // adapter). Requests that arrive meanwhile wait behind it: once it has gone they are
    // answered one after the other, each its bytes' time on the line after the one before.
    int firstReplyDelayMs = 0;
    // Also hold each reply for the time the request's and the reply's bytes need on a
    // 9600-baud line (10 bits per byte).
    bool pace = false;
    SimulatorFaults faults;
    // Every request is kept for Requests(). A simulator that runs for hours turns this off,
    // or its memory grows with every request it answers.
    bool logRequests = true;
};

enum class RequestKind {
    Handshake,       // "PROGRAM"
    LegacyIdentify,  // 0x02
    Ack,             // 0x06: legacy confirm or legacy block acknowledgement
    Read,            // 'R' address length
    Write,           // 'W' address length data
    End,             // 'E'
    StatusQuery,     // "YR"
};

struct ReceivedRequest {
    int64_t timeMs = 0;  // when its last byte arrived
    RequestKind kind = RequestKind::Handshake;
    uint16_t address = 0;       // Read, Write
    uint8_t length = 0;         // Read, Write
    std::vector<uint8_t> data;  // Write
    bool answered = false;      // false when a fault kept the radio silent
    bool stored = false;        // Write: false when a fault dropped the block
};

// The memory of a radio fresh from the factory: settings for the 400-480 MHz band, a few
// channels and a calibration block for the current kinds; a few BCD channels for legacy.
std::vector<uint8_t> DefaultRadioMemory(RadioKind kind);

class RadioSimulator {
  public:
    explicit RadioSimulator(SimulatorConfig config);

    // Bytes the tool sent, all arriving at nowMs. Times must not go backwards.
    void Receive(std::span<const uint8_t> bytes, int64_t nowMs);
    // Reply bytes due by nowMs, in order; they are handed out once.
    std::vector<uint8_t> TakeReplies(int64_t nowMs);
    // When the next reply byte becomes due, if any is pending.
    std::optional<int64_t> NextReplyTime() const;

    std::span<uint8_t> Memory() { return memory_; }
    std::span<const uint8_t> Memory() const { return memory_; }
    // Replaces the start of memory with bytes (at most 64 KiB); the rest is kept.
    void LoadMemory(std::span<const uint8_t> bytes);
    // Stores the password block of password at 0x4040 (empty: no password).
    void SetPassword(std::string_view password);

    const SimulatorConfig& Config() const { return config_; }
    SimulatorConfig& MutableConfig() { return config_; }

    const std::vector<ReceivedRequest>& Requests() const { return requests_; }
    bool SawEndByte() const { return endByteCount_ > 0; }
    int EndByteCount() const { return endByteCount_; }
    // Write blocks taken so far, stored or dropped.
    int WriteBlockCount() const { return writeBlockCount_; }
    // Bytes that belonged to no request the radio understood, or to one dropped half-way.
    size_t DiscardedByteCount() const { return discardedBytes_; }

  private:
    enum class State { Idle, LegacyAwaitIdentify, LegacyAwaitConfirm, Programming };
    struct PendingReply {
        int64_t dueMs;
        std::vector<uint8_t> bytes;
        // The late first reply, or one that waited behind it.
        bool heldBack = false;
    };

    void TakeByte(uint8_t byte, int64_t nowMs);
    // How many bytes the request starting with pending_[0] needs in this state; 0 when that
    // first byte starts no request here.
    size_t RequestLength() const;
    bool PendingIsPrefixOfValidRequest() const;
    void Complete(int64_t nowMs);
    void Answer(ReceivedRequest& request, std::vector<uint8_t> reply, size_t requestBytes,
                int64_t nowMs);
    void Discard(size_t count);

    SimulatorConfig config_;
    std::vector<uint8_t> memory_;
    State state_ = State::Idle;
    std::vector<uint8_t> pending_;
    int64_t lastByteMs_ = 0;
    std::vector<ReceivedRequest> requests_;
    size_t requestCount_ = 0;
    std::vector<PendingReply> replies_;
    bool answeredBefore_ = false;
    int endByteCount_ = 0;
    int writeBlockCount_ = 0;
    size_t discardedBytes_ = 0;
};

}  // namespace radioprog
