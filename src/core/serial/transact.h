#pragma once

#include "core/serial/clock.h"
#include "core/serial/serial_port.h"

#include <cstdint>
#include <span>

namespace brenmoor {

// The receive buffers of a transfer. Every read is limited to the buffer it
// goes to, and each buffer is cleared once its reply has been evaluated so
// that no earlier reply can pass for a new one.
inline constexpr size_t kGeneralBufferSize = 26;
inline constexpr size_t kPacketBufferSize = 250;
inline constexpr size_t kOptionBufferSize = 128;

inline constexpr int kPollIntervalMs = 50;
inline constexpr int kReplyTimeoutMs = 300;

// How one exchange waits for its reply. The named presets are the ways the
// download and the upload use.
struct WaitPlan {
    bool discardStaleInput = true; // read and drop what waits right after the write
    bool firstRequest = false;     // an extra 50 ms before polling; sleep before each query
    bool sleepBeforeQuery = false; // poll as sleep-then-query instead of query-then-sleep
    size_t settleThreshold = 17;   // fewer bytes noted: one more 50 ms and query (0: never)
    bool readOnTimeout = false;    // with nothing noted, still make a read of 0 bytes

    // The download's ordinary exchange.
    static WaitPlan standard() { return {}; }
    // The download's first device information request.
    static WaitPlan firstDeviceInfo() { return {true, true, true, 0, false}; }
    // The download's write of the input-data clearing option.
    static WaitPlan clearingOptionWrite() { return {false, false, false, 2, false}; }
    // The download's write of the Profibus configuration data.
    static WaitPlan profibusWrite() { return {false, false, true, 0, true}; }
    // The upload's read of the input-data clearing option.
    static WaitPlan clearingOptionRead() { return {true, false, false, 4, false}; }
    // The upload's read of the Profibus configuration data.
    static WaitPlan profibusRead() { return {true, false, false, 0, false}; }
};

// Exchanges one request frame over a port. The caller gives the receive
// buffer; the reply is left in it and the number of bytes read returned
// (0: no reply). Nothing here waits beyond the sleeps of the plan.
class Transactor {
  public:
    Transactor(SerialPort& port, Clock& clock) : port_(port), clock_(clock) {}

    size_t transactWait(std::span<const uint8_t> frame, std::span<uint8_t> buffer,
                        const WaitPlan& plan = WaitPlan::standard());
    // The upload's exchange: one fixed wait of 50 ms.
    size_t transactOnce(std::span<const uint8_t> frame, std::span<uint8_t> buffer);

    SerialPort& port() { return port_; }
    Clock& clock() { return clock_; }

  private:
    void discardWaitingInput();

    SerialPort& port_;
    Clock& clock_;
};

} // namespace brenmoor
