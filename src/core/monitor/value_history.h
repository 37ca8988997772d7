#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace brenmoor::monitor {

// The data of correct responses over a session, for the plot: the first
// bytes of every response with its time, in arrival order. It holds the
// latest kCapacity responses (hours at a gateway's pace) and then forgets
// the oldest, so its memory has a ceiling however long the monitor runs.
class ValueHistory {
  public:
    static constexpr size_t kCapacity = 1 << 18;
    // Enough for four 32-bit values or eight registers.
    static constexpr size_t kSampleBytes = 16;

    struct Sample {
        int64_t elapsedMs = 0;
        uint32_t key = 0; // slave << 16 | starting address
        uint8_t size = 0;
        std::array<uint8_t, kSampleBytes> data{};

        std::span<const uint8_t> bytes() const { return std::span(data).first(size); }
    };

    static uint32_t keyOf(uint8_t slave, uint16_t start) { return uint32_t{slave} << 16 | start; }

    explicit ValueHistory(size_t capacity = kCapacity) : capacity_(capacity) {}

    // Times must not go backwards.
    void add(uint32_t key, int64_t elapsedMs, std::span<const uint8_t> data);

    size_t size() const { return samples_.size(); }
    bool empty() const { return samples_.empty(); }
    // The i-th sample still held, oldest first.
    const Sample& at(size_t i) const { return samples_[(head_ + i) % samples_.size()]; }
    int64_t firstMs() const { return empty() ? 0 : at(0).elapsedMs; }
    int64_t lastMs() const { return empty() ? 0 : at(size() - 1).elapsedMs; }

    // Calls `each` for the samples of `key` from `fromMs` to `toMs`, oldest
    // first.
    template <typename Each>
    void forEach(uint32_t key, int64_t fromMs, int64_t toMs, Each&& each) const {
        for (size_t i = firstAtOrAfter(fromMs); i < size(); ++i) {
            const Sample& sample = at(i);
            if (sample.elapsedMs > toMs)
                break;
            if (sample.key == key)
                each(sample);
        }
    }

  private:
    size_t firstAtOrAfter(int64_t ms) const;

    size_t capacity_;
    std::vector<Sample> samples_;
    size_t head_ = 0; // the oldest sample once the buffer is full
};

} // namespace brenmoor::monitor
