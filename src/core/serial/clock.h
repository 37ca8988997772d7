#pragma once

#include <cstdint>

namespace brenmoor {

// Every wait of a transfer goes through this, so the tests can run a whole
// download on a clock that jumps instead of sleeping.
class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; only differences mean anything.
    virtual int64_t now() = 0;
    virtual void sleepMs(int ms) = 0;
};

// The computer's monotonic clock and real sleeps.
class SteadyClock : public Clock {
  public:
    int64_t now() override;
    void sleepMs(int ms) override;
};

// Sleeping advances the time at once; the total slept is kept so a test can
// tell how long a transfer would have taken on a real line.
class FakeClock : public Clock {
  public:
    int64_t now() override { return now_; }
    void sleepMs(int ms) override {
        now_ += ms;
        slept_ += ms;
    }
    void advance(int64_t ms) { now_ += ms; }
    int64_t totalSlept() const { return slept_; }

  private:
    int64_t now_ = 0;
    int64_t slept_ = 0;
};

} // namespace brenmoor
