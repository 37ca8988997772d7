#include "core/serial/transact.h"

#include <algorithm>
#include <array>

namespace brenmoor {

void Transactor::discardWaitingInput() {
    // A reply that arrives before the request could have been answered is
    // not an answer to it. Bounded: a port that keeps reporting bytes but
    // yields none is left alone.
    std::array<uint8_t, 256> scratch{};
    for (size_t waiting = port_.queryStatus(); waiting > 0;) {
        const size_t got =
            port_.readBytes(std::span(scratch).first(std::min(waiting, scratch.size())));
        if (got == 0)
            break;
        waiting = waiting > got ? waiting - got : port_.queryStatus();
    }
}

size_t Transactor::transactWait(std::span<const uint8_t> frame, std::span<uint8_t> buffer,
                                const WaitPlan& plan) {
    std::fill(buffer.begin(), buffer.end(), uint8_t{0});
    port_.queryStatus();
    port_.writeBytes(frame);
    if (plan.discardStaleInput)
        discardWaitingInput();

    const int64_t start = clock_.now();
    size_t noted = 0;
    if (plan.firstRequest)
        clock_.sleepMs(kPollIntervalMs);
    for (;;) {
        if (plan.sleepBeforeQuery) {
            clock_.sleepMs(kPollIntervalMs);
            noted = port_.queryStatus();
        } else {
            noted = port_.queryStatus();
            clock_.sleepMs(kPollIntervalMs);
        }
        if (noted != 0 || clock_.now() - start > kReplyTimeoutMs)
            break;
    }
    if (noted == 0 && !plan.readOnTimeout)
        return 0;
    if (noted != 0 && plan.settleThreshold != 0 && noted < plan.settleThreshold) {
        clock_.sleepMs(kPollIntervalMs);
        noted = port_.queryStatus();
    }
    return port_.readBytes(buffer.first(std::min(noted, buffer.size())));
}

size_t Transactor::transactOnce(std::span<const uint8_t> frame, std::span<uint8_t> buffer) {
    std::fill(buffer.begin(), buffer.end(), uint8_t{0});
    port_.queryStatus();
    port_.writeBytes(frame);
    clock_.sleepMs(kPollIntervalMs);
    const size_t waiting = port_.queryStatus();
    if (waiting == 0)
        return 0;
    return port_.readBytes(buffer.first(std::min(waiting, buffer.size())));
}

} // namespace brenmoor
