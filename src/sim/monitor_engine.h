#pragma once

#include "sim/monitor_script.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace brenmoor::sim {

struct MonitorOptions {
    // Pause between an answer and the next record, the time a gateway takes
    // to poll its next Modbus slave; 0 puts the next record on the line as
    // soon as the answer is in (full speed).
    int recordGapMs = 150;
    // How long a record waits for its answer before it is sent again, and
    // how often it is sent again before the gateway gives up on it.
    int answerTimeoutMs = 500;
    int maxResends = 2;
};

// Receives one line per event: records sent, answers, writes, resends.
using MonitorLog = std::function<void(const std::string&)>;

// The gateway's side of the I/O monitor, without any device: it reports the
// records of a script in a cycle, one at a time, and waits for each answer
// before the next. Write requests land in the output area, which records
// can read back. Time is given by the caller, so tests need no clock.
class MonitorEngine {
  public:
    explicit MonitorEngine(MonitorOptions options = {},
                           MonitorScript script = defaultMonitorCycle(), MonitorLog log = {});

    // Starts reporting at nowMs as a gateway entering monitor mode would:
    // nothing waits for an answer, the next record follows after the gap.
    void restart(int64_t nowMs);

    // The record to put on the line at nowMs: the next one of the cycle, or
    // the last one again when its answer is overdue. Empty when nothing is
    // due yet.
    std::vector<uint8_t> due(int64_t nowMs);
    // When due() will next have bytes to send.
    int64_t nextDueMs() const { return nextAt_; }

    // Bytes from the program: answers, possibly split over several reads or
    // several in one.
    void receive(std::span<const uint8_t> bytes, int64_t nowMs);

    using OutputArea = std::array<uint8_t, kOutputAreaSize>;
    const OutputArea& outputArea() const { return output_; }
    bool awaitingAnswer() const { return awaiting_; }
    size_t recordsSent() const { return recordsSent_; }
    size_t answersReceived() const { return answers_; }

    // Adds a line of the caller's own to the log.
    void note(const std::string& line) const;

  private:
    // The current record as it goes out now; its data items that change
    // move on one send.
    std::vector<uint8_t> encodeCurrent();
    void appendItem(const ScriptData& item, uint64_t send, size_t position,
                    std::vector<uint8_t>& data) const;
    void answered(const std::string& line, int64_t nowMs);
    void applyWrite(uint16_t address, std::span<const uint8_t> data);
    void moveOn(int64_t nextAtMs);

    MonitorOptions options_;
    std::vector<ScriptRecord> records_;
    MonitorLog log_;
    OutputArea output_{};

    size_t index_ = 0;
    std::vector<uint64_t> sends_; // per record: how often it went out (resends aside)
    std::vector<uint8_t> sent_;   // the record waiting for its answer
    bool awaiting_ = false;
    int resends_ = 0;
    int64_t nextAt_ = 0;

    std::vector<uint8_t> pending_; // the start of an answer
    int64_t lastByteAt_ = 0;
    size_t recordsSent_ = 0;
    size_t answers_ = 0;
};

// Bytes as the log writes them: two lower-case hex digits each, blank-separated.
std::string hexText(std::span<const uint8_t> bytes);

} // namespace brenmoor::sim
