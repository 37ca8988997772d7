#pragma once

#include "core/serial/clock.h"

#include <cstdint>

namespace brenmoor {

// Sleeping advances the time at once; the total slept is kept so a test can
// tell how long a transfer would have taken on a real line.
class FakeClock : public Clock {
  public:
    int64_t now() override { return now_; }
    void sleepMs(int ms) override {
        now_ += ms;
        slept_ += ms;
    }
    // A calendar clock that runs with now(), from a fixed moment
    // (2024-05-01 12:00:00 UTC), so logs written on it are the same every run.
    static constexpr int64_t kWallStartMs = 1714564800000;
    int64_t wallClockMs() override { return kWallStartMs + now_; }
    void advance(int64_t ms) { now_ += ms; }
    int64_t totalSlept() const { return slept_; }

  private:
    int64_t now_ = 0;
    int64_t slept_ = 0;
};

} // namespace brenmoor
