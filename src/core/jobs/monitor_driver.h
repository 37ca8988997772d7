#pragma once

#include "core/monitor/monitor_session.h"
#include "core/serial/clock.h"
#include "core/serial/serial_port.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brenmoor::monitor {

// Timer 1 of the I/O monitor, and Send's waits: before it reads the edit
// texts, and between its looks for the record it answers.
inline constexpr int kTickMs = 200;
inline constexpr int kSendSettleMs = 100;
inline constexpr int kSendPollMs = 200;
inline constexpr int kSendPolls = 5;

// What one tick of timer 1 did.
struct TickResult {
    // The port is gone (none, or its device went away and it closed
    // itself): nothing was read. The front end says "Open the serial port
    // failed!" and stops its timer; a closed port never opens again.
    bool portGone = false;
    MonitorStep step; // empty when nothing was waiting
};

// What Send found before it answers.
struct SendRecord {
    // A check that failed (the edit texts, then the port), with its
    // message; nothing was polled.
    Outcome outcome;
    WriteRequest request;
    std::vector<uint8_t> polled; // empty: no record came, or reading it failed
};

// When the command line's monitor ends.
struct MonitorRunLimits {
    std::optional<size_t> rows;        // after this many shown rows
    std::optional<int64_t> durationMs; // after this long
};

// Sees every read of the monitor that brought bytes, shown or not, answered
// or not, with what the session made of it and when (the driver's clock):
// the log and the statistics are built from these. It only watches: the
// list, the answers and the save file are the session's alone.
class MonitorObserver {
  public:
    virtual ~MonitorObserver() = default;
    virtual void observe(std::span<const uint8_t> bytes, const MonitorStep& step,
                         int64_t nowMs) = 0;
};

// The I/O monitor's port side, for the dialog and the command line alike:
// timer 1's tick and Send, their waits through the clock, the answers
// written to the port. The session decides what each record means; the
// front end shows the steps. Every record is answered before the next one
// is read.
//
// Send in full is send(); a front end that must not wait where it stands
// (the dialog) runs awaitSendRecord() elsewhere, as it touches only the
// port and the clock, and answerSend() where its session lives.
class MonitorDriver {
  public:
    MonitorDriver(MonitorSession& session, Clock& clock) : session_(session), clock_(clock) {}

    // One tick: reads what waits (at most one record), lets the session
    // answer it and writes the answer. `port` is null once it is gone.
    TickResult tick(SerialPort* port);

    // Send up to its answer: 100 ms, the checks of the texts and of the
    // port, then up to five looks 200 ms apart for the record to answer.
    static SendRecord awaitSendRecord(SerialPort* port, Clock& clock, std::string_view addressText,
                                      std::string_view dataText);
    // Send's answer: the record is listed (even while the display is
    // stopped) and answered with the write request. A failed record gets
    // its message and no answer.
    MonitorStep answerSend(SerialPort* port, const SendRecord& record);
    // Both, in one go. A failed check gives a step with its message only.
    MonitorStep send(SerialPort* port, std::string_view addressText, std::string_view dataText);

    // The command line's monitor: Send first when texts are given, as if it
    // were pressed the moment the dialog opened, then a tick every 200 ms
    // until a limit is reached, `stopRequested` says so or the port is gone.
    // Each step goes to `show` as it happens; the port's going away comes
    // as a step with the message "Open the serial port failed!".
    struct SendTexts {
        std::string address;
        std::string data;
    };
    void run(SerialPort& port, const MonitorRunLimits& limits, const std::optional<SendTexts>& send,
             const std::function<bool()>& stopRequested,
             const std::function<void(const MonitorStep&)>& show);

    // Nothing watches by default; the observer must outlive the driver or
    // be taken away first.
    void setObserver(MonitorObserver* observer) { observer_ = observer; }

  private:
    void answer(SerialPort* port, const MonitorStep& step);
    void observed(std::span<const uint8_t> bytes, const MonitorStep& step);

    MonitorSession& session_;
    Clock& clock_;
    MonitorObserver* observer_ = nullptr;
};

// Reads what waits at `port` now, at most one record's worth; empty when
// nothing came or the read failed.
std::vector<uint8_t> readWaitingRecord(SerialPort& port, size_t waiting);

} // namespace brenmoor::monitor
