#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brenmoor::sim {

// A fault the simulated gateway plays on one request.
struct FaultRule {
    enum class Kind { NoReply, BadChecksum, Negative, Late };

    uint8_t code = 0;
    int occurrence = 0; // the n-th request with this code, from 1; 0: every one
    Kind kind = Kind::NoReply;
    std::array<uint8_t, 2> detail{}; // for Negative
    int lateMs = 0;                  // for Late: added to the reply's line time
};

// Parses CODE:OCCURRENCE:KIND[:ARG...] with CODE in hexadecimal, for example
// "10:3:none", "10:1:negative:03:00", "21:1:late:400", "03:0:badsum".
std::optional<FaultRule> parseFaultRule(const std::string& text);

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
