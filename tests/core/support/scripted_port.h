#pragma once

#include "core/serial/clock.h"
#include "core/serial/serial_port.h"
#include "fake_clock.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

namespace brenmoor {

// A port for tests: every written frame is recorded and answered from a
// script of replies, each arriving a given number of milliseconds after the
// write on the test's clock (and possibly in several parts).
class ScriptedPort : public SerialPort {
  public:
    struct Chunk {
        int64_t afterMs = 0; // counted from the write that triggered the reply
        std::vector<uint8_t> bytes;
    };
    struct Reply {
        std::vector<Chunk> chunks; // empty: no reply at all
    };
    // Answers a written frame; used when the queue of scripted replies is empty.
    using Responder = std::function<Reply(const std::vector<uint8_t>& request)>;

    explicit ScriptedPort(Clock& clock) : clock_(clock) {}

    // The reply to the next write: `bytes` arrive `afterMs` later.
    void expectReply(std::vector<uint8_t> bytes, int64_t afterMs = 10);
    void expectReply(Reply reply) { replies_.push_back(std::move(reply)); }
    void expectSilence() { replies_.push_back(Reply{}); }
    void setResponder(Responder responder) { responder_ = std::move(responder); }
    // Bytes that are waiting before anything was written (stale input).
    void injectNow(const std::vector<uint8_t>& bytes);

    size_t queryStatus() override;
    bool writeBytes(std::span<const uint8_t> bytes) override;
    size_t readBytes(std::span<uint8_t> buffer) override;
    void closePort() override { open_ = false; }

    bool isOpen() const override { return open_; }
    const std::vector<std::vector<uint8_t>>& written() const { return written_; }
    std::vector<uint8_t> writtenCodes() const;
    size_t queryCount() const { return queries_; }
    // The largest count a single read asked for.
    size_t largestRead() const { return largestRead_; }

  private:
    void deliverDue();

    struct Pending {
        int64_t at;
        std::vector<uint8_t> bytes;
    };
    Clock& clock_;
    bool open_ = true;
    std::deque<Reply> replies_;
    Responder responder_;
    std::vector<Pending> pending_;
    std::deque<uint8_t> input_;
    std::vector<std::vector<uint8_t>> written_;
    size_t queries_ = 0;
    size_t largestRead_ = 0;
};

} // namespace brenmoor
