#include "core/monitor/value_history.h"

#include <algorithm>

namespace brenmoor::monitor {

void ValueHistory::add(uint32_t key, int64_t elapsedMs, std::span<const uint8_t> data) {
    if (capacity_ == 0)
        return;
    Sample sample;
    sample.elapsedMs = elapsedMs;
    sample.key = key;
    sample.size = static_cast<uint8_t>(std::min(data.size(), kSampleBytes));
    std::copy_n(data.begin(), sample.size, sample.data.begin());
    if (samples_.size() < capacity_) {
        samples_.push_back(sample);
        return;
    }
    samples_[head_] = sample;
    head_ = (head_ + 1) % samples_.size();
}

size_t ValueHistory::firstAtOrAfter(int64_t ms) const {
    size_t low = 0;
    size_t high = size();
    while (low < high) {
        const size_t mid = low + (high - low) / 2;
        if (at(mid).elapsedMs < ms)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

} // namespace brenmoor::monitor
