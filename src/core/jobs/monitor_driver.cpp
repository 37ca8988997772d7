#include "core/jobs/monitor_driver.h"

#include "core/monitor/monitor_answer.h"
#include "core/monitor/monitor_record.h"
#include "core/resources/messages_monitor.h"
#include "core/resources/string_table.h"

#include <algorithm>
#include <limits>

namespace brenmoor::monitor {

namespace {

Outcome portFailed() {
    return Outcome::failure(msg::OpenSerialPortFailed,
                            std::string(loadString(msg::OpenSerialPortFailed)));
}

} // namespace

std::vector<uint8_t> readWaitingRecord(SerialPort& port, size_t waiting) {
    std::vector<uint8_t> bytes(std::min(waiting, kMaxRecordBytes));
    bytes.resize(port.readBytes(bytes));
    return bytes;
}

void MonitorDriver::answer(SerialPort* port, const MonitorStep& step) {
    if (!step.answer.empty() && port)
        port->writeBytes(step.answer);
}

void MonitorDriver::observed(std::span<const uint8_t> bytes, const MonitorStep& step) {
    if (observer_ && !bytes.empty())
        observer_->observe(bytes, step, clock_.now());
}

TickResult MonitorDriver::tick(SerialPort* port) {
    TickResult result;
    if (!port || !port->isOpen()) {
        result.portGone = true;
        return result;
    }
    const size_t waiting = port->queryStatus();
    if (waiting == 0)
        return result;
    const std::vector<uint8_t> bytes = readWaitingRecord(*port, waiting);
    if (bytes.empty())
        return result;
    result.step = session_.tick(bytes);
    answer(port, result.step);
    observed(bytes, result.step);
    return result;
}

SendRecord MonitorDriver::awaitSendRecord(SerialPort* port, Clock& clock,
                                          std::string_view addressText, std::string_view dataText) {
    clock.sleepMs(kSendSettleMs);
    SendRecord record;
    SendInput input = checkSendInput(addressText, dataText);
    if (!input.outcome) {
        record.outcome = std::move(input.outcome);
        return record;
    }
    record.request = std::move(input.request);
    if (!port) {
        record.outcome = portFailed();
        return record;
    }
    size_t waiting = 0;
    for (int look = 0; look < kSendPolls && waiting == 0; ++look) {
        if (look > 0)
            clock.sleepMs(kSendPollMs);
        waiting = port->queryStatus();
    }
    if (waiting != 0)
        record.polled = readWaitingRecord(*port, waiting);
    return record;
}

MonitorStep MonitorDriver::answerSend(SerialPort* port, const SendRecord& record) {
    if (!record.outcome) {
        MonitorStep step;
        step.outcome = record.outcome;
        return step;
    }
    MonitorStep step = session_.send(record.polled, record.request);
    answer(port, step);
    observed(record.polled, step);
    return step;
}

MonitorStep MonitorDriver::send(SerialPort* port, std::string_view addressText,
                                std::string_view dataText) {
    return answerSend(port, awaitSendRecord(port, clock_, addressText, dataText));
}

void MonitorDriver::run(SerialPort& port, const MonitorRunLimits& limits,
                        const std::optional<SendTexts>& send,
                        const std::function<bool()>& stopRequested,
                        const std::function<void(const MonitorStep&)>& show) {
    size_t shown = 0;
    bool portGone = false;
    auto report = [&](const MonitorStep& step) {
        if (step.shownRow)
            ++shown;
        show(step);
    };
    const int64_t start = clock_.now();
    // No limit is a deadline that never comes (GCC's optimiser cannot
    // follow an optional one through the loop).
    const int64_t deadline =
        limits.durationMs ? start + *limits.durationMs : std::numeric_limits<int64_t>::max();
    auto done = [&] {
        return (stopRequested && stopRequested()) || portGone ||
               (limits.rows && shown >= *limits.rows) || clock_.now() >= deadline;
    };
    if (send)
        report(this->send(&port, send->address, send->data));
    int64_t nextTick = clock_.now();
    while (!done()) {
        const TickResult ticked = tick(&port);
        if (ticked.portGone) {
            // Said once: the run ends with it.
            portGone = true;
            MonitorStep gone;
            gone.outcome = portFailed();
            report(gone);
        } else {
            report(ticked.step);
        }
        nextTick += kTickMs;
        const int64_t wakeAt = std::min(std::max(nextTick, clock_.now()), deadline);
        nextTick = std::max(nextTick, clock_.now());
        if (!done())
            clock_.sleepMs(static_cast<int>(std::max<int64_t>(0, wakeAt - clock_.now())));
    }
}

} // namespace brenmoor::monitor
