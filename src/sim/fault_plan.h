#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brenmoor::sim {

// A fault the simulated gateway plays on one request.
struct FaultRule {
    enum class Kind { NoReply, BadChecksum, Negative, Late, Miswrite };

    uint8_t code = 0;
    int occurrence = 0; // the n-th request with this code, from 1; 0: every one
    Kind kind = Kind::NoReply;
    std::array<uint8_t, 2> detail{}; // for Negative
    int lateMs = 0;                  // for Late: added to the reply's line time
    // For Miswrite: the byte of the stored block or record that is kept
    // wrongly (-1: its last byte) and the bits flipped in it.
    int miswriteByte = -1;
    uint8_t miswriteMask = 0x01;
};

// Parses CODE:OCCURRENCE:KIND[:ARG...] with CODE in hexadecimal, for example
// "10:3:none", "10:1:negative:03:00", "21:1:late:400", "03:0:badsum",
// "10:2:miswrite" or "10:2:miswrite:7:10" (byte 7 of the command record,
// decimal, XOR 0x10).
std::optional<FaultRule> parseFaultRule(const std::string& text);

// A write request as a gateway that stores it wrongly would take it: one
// byte of the block it carries changed, the subnet number and command index
// in front of it left alone. Frames that write nothing come back unchanged;
// the checksum is not made to match again.
std::vector<uint8_t> miswrittenFrame(std::span<const uint8_t> frame, const FaultRule& rule);

class FaultPlan {
  public:
    void add(FaultRule rule) { rules_.push_back(rule); }
    // Counts the request and returns the fault it meets, if any.
    std::optional<FaultRule> onRequest(uint8_t code);

  private:
    std::vector<FaultRule> rules_;
    std::array<int, 256> seen_{};
};

} // namespace brenmoor::sim
