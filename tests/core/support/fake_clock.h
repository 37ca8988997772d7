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
    void advance(int64_t ms) { now_ += ms; }
    int64_t totalSlept() const { return slept_; }

  private:
    int64_t now_ = 0;
    int64_t slept_ = 0;
};

} // namespace brenmoor
