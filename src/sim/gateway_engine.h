#pragma once

#include "core/serial/block_transfer.h"
#include "core/serial/port_settings.h"
#include "sim/fault_plan.h"
#include "sim/gateway_config.h"

#include <cstdint>
#include <span>
#include <vector>

namespace brenmoor::sim {

// What the simulated gateway plays: the configuration protocol, the I/O
// monitor's records (MonitorEngine), or either by the line speed the
// program sets: the monitor at its fixed 115200 baud, configuration
// otherwise. This engine answers in configuration and auto mode; the
// pseudo-terminal gateway decides which engine gets the bytes.
enum class GatewayMode { Configuration, Monitor, Auto };

// Whether a gateway of that mode plays the monitor on a line at `baud`.
inline bool playsMonitor(GatewayMode mode, int baud) {
    switch (mode) {
    case GatewayMode::Configuration:
        return false;
    case GatewayMode::Monitor:
        return true;
    case GatewayMode::Auto:
        return baud == kMonitorLineSettings.baudRate;
    }
    return false;
}

struct GatewayOptions {
    uint8_t deviceType = 1;
    int firmwareVersion = 31; // reported as version / 10 and version % 10
    int baudRate = 19200;
    int bitsPerCharacter = 10; // 8N1: start, 8 data, stop
    // The gateway's own time to act on a request, on top of the line time.
    // It is cut so that no reply comes later than kLatestReplyMs unless the
    // line alone takes longer: the upload waits only 50 ms for each reply.
    int turnaroundMs = 15;
    GatewayMode mode = GatewayMode::Configuration;
};

// A reply and when it is complete, in milliseconds from the moment its
// request arrived: the time the reply would take on a real line, plus the
// gateway's turnaround.
inline constexpr int64_t kLatestReplyMs = 40;

struct ScheduledReply {
    int64_t delayMs = 0;
    std::vector<uint8_t> bytes;
};

// The gateway's side of the configuration protocol, without any device:
// bytes in, replies out. Incomplete frames wait for more bytes; a frame with
// a wrong checksum, or a partial frame left standing, is dropped.
class GatewayEngine {
  public:
    explicit GatewayEngine(GatewayOptions options, GatewayConfig config = {});

    void addFault(const FaultRule& rule) { faults_.add(rule); }

    // Feeds received bytes at time nowMs; returns the replies they call for.
    std::vector<ScheduledReply> receive(std::span<const uint8_t> bytes, int64_t nowMs);

    const GatewayConfig& config() const { return config_; }
    GatewayConfig& config() { return config_; }
    const GatewayOptions& options() const { return options_; }
    // Every complete, well-formed request seen, in order (for tests).
    const std::vector<std::vector<uint8_t>>& requests() const { return requests_; }

    // The answer to one well-formed request frame, before faults and timing.
    std::vector<uint8_t> answer(std::span<const uint8_t> frame);

  private:
    std::vector<uint8_t> answerConfiguration(std::span<const uint8_t> frame);
    std::vector<uint8_t> storeBlock(const BlockTransfer& transfer, std::span<const uint8_t> data);
    std::vector<uint8_t> readBlock(const BlockTransfer& transfer, std::span<const uint8_t> data);
    ScheduledReply schedule(std::span<const uint8_t> request, std::vector<uint8_t> reply) const;

    GatewayOptions options_;
    GatewayConfig config_;
    FaultPlan faults_;
    std::vector<uint8_t> pending_;
    int64_t lastByteAt_ = 0;
    std::vector<std::vector<uint8_t>> requests_;
};

} // namespace brenmoor::sim
