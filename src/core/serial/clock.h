#pragma once

#include <cstdint>

namespace brenmoor {

// Every wait of a transfer goes through this, so the tests can run a whole
// download on a clock that jumps instead of sleeping (their FakeClock lives
// with the other test doubles, in the test-support library).
class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; only differences mean anything.
    virtual int64_t now() = 0;
    virtual void sleepMs(int ms) = 0;
    // Milliseconds since 1970 on the computer's calendar clock: what a log
    // writes next to a record. The system's by default; a test clock gives
    // its own.
    virtual int64_t wallClockMs();
};

// The computer's monotonic clock and real sleeps.
class SteadyClock : public Clock {
  public:
    int64_t now() override;
    void sleepMs(int ms) override;
};

} // namespace brenmoor
