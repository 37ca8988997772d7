#include "sim/monitor_engine.h"

#include "core/monitor/monitor_answer.h"
#include "core/monitor/monitor_record.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace brenmoor::sim {
namespace {

// An answer that stops arriving for this long is abandoned, so that a lost
// byte cannot make every later answer look wrong.
constexpr int64_t kAnswerGapMs = 100;

std::string hex4(uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

} // namespace

std::string hexText(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const uint8_t b : bytes) {
        if (!text.empty())
            text += ' ';
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

MonitorEngine::MonitorEngine(MonitorOptions options, MonitorScript script, MonitorLog log)
    : options_(options), records_(std::move(script.records)), log_(std::move(log)) {
    options_.maxResends = std::max(0, options_.maxResends);
    // A script that failed to parse still leaves a gateway that reports.
    if (records_.empty())
        records_ = defaultMonitorCycle().records;
    sends_.assign(records_.size(), 0);
}

void MonitorEngine::note(const std::string& line) const {
    if (log_)
        log_(line);
}

void MonitorEngine::restart(int64_t nowMs) {
    awaiting_ = false;
    resends_ = 0;
    pending_.clear();
    nextAt_ = nowMs + options_.recordGapMs;
}

void MonitorEngine::appendItem(const ScriptData& item, uint64_t send, size_t position,
                               std::vector<uint8_t>& data) const {
    auto word = [&data](uint16_t value) {
        data.push_back(static_cast<uint8_t>(value >> 8));
        data.push_back(static_cast<uint8_t>(value & 0xFF));
    };
    switch (item.kind) {
    case ScriptData::Kind::Output: {
        const auto first = output_.begin() + (item.address - kOutputAreaFirst);
        data.insert(data.end(), first, first + item.count);
        break;
    }
    case ScriptData::Kind::Counter:
        word(static_cast<uint16_t>(item.first + static_cast<int64_t>(item.step) *
                                                    static_cast<int64_t>(send % 65536)));
        break;
    case ScriptData::Kind::Sine: {
        constexpr double kTurn = 6.283185307179586;
        const double phase = kTurn * static_cast<double>(send % item.period) / item.period;
        word(static_cast<uint16_t>(
            static_cast<int16_t>(std::lround(item.amplitude * std::sin(phase)))));
        break;
    }
    case ScriptData::Kind::Random: {
        // A fixed function of where and when, so runs repeat exactly.
        uint64_t x = (send + 1) * 0x9E3779B97F4A7C15ull ^ (index_ + 1) * 0xBF58476D1CE4E5B9ull ^
                     (position + 1) * 0x94D049BB133111EBull;
        for (uint8_t i = 0; i < item.count; ++i) {
            x ^= x >> 31;
            x *= 0xBF58476D1CE4E5B9ull;
            x ^= x >> 29;
            data.push_back(static_cast<uint8_t>(x >> 56));
        }
        break;
    }
    default:
        data.push_back(item.byte);
        break;
    }
}

std::vector<uint8_t> MonitorEngine::encodeCurrent() {
    const ScriptRecord& script = records_[index_];
    const uint64_t send = sends_[index_]++;
    monitor::MonitorRecord record;
    ScriptState state{script.state, std::nullopt};
    if (!script.pattern.empty())
        state = script.pattern[send % script.pattern.size()];
    record.state = state.state;
    record.slaveAddress = script.slaveAddress;
    record.startingAddress = script.startingAddress;
    if (state.exception) {
        record.data.push_back(*state.exception);
    } else if (script.pattern.empty() || state.state != monitor::kStateTimeout) {
        for (size_t i = 0; i < script.data.size(); ++i)
            appendItem(script.data[i], send, i, record.data);
    }
    record.dataCount = static_cast<uint8_t>(record.data.size());
    return monitor::encodeRecord(record);
}

void MonitorEngine::moveOn(int64_t nextAtMs) {
    awaiting_ = false;
    resends_ = 0;
    index_ = (index_ + 1) % records_.size();
    nextAt_ = nextAtMs;
}

std::vector<uint8_t> MonitorEngine::due(int64_t nowMs) {
    if (nowMs < nextAt_)
        return {};
    if (awaiting_) {
        if (resends_ < options_.maxResends) {
            ++resends_;
            nextAt_ = nowMs + options_.answerTimeoutMs;
            ++recordsSent_;
            note("resend " + hexText(sent_));
            return sent_;
        }
        note("no answer to " + hexText(sent_) + ", next record");
        moveOn(nowMs);
    }
    sent_ = encodeCurrent();
    awaiting_ = true;
    resends_ = 0;
    nextAt_ = nowMs + options_.answerTimeoutMs;
    ++recordsSent_;
    note("record " + hexText(sent_));
    return sent_;
}

void MonitorEngine::answered(const std::string& line, int64_t nowMs) {
    ++answers_;
    if (!awaiting_) {
        note(line + " (no record was waiting)");
        return;
    }
    note(line);
    moveOn(nowMs + options_.recordGapMs);
}

void MonitorEngine::applyWrite(uint16_t address, std::span<const uint8_t> data) {
    // The program checks the first address only; bytes past the end of the
    // area are dropped here rather than written over whatever follows it.
    size_t written = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        const size_t at = address + i;
        if (at < kOutputAreaFirst || at > kOutputAreaLast)
            continue;
        output_[at - kOutputAreaFirst] = data[i];
        ++written;
    }
    std::string line = "write " + hex4(address) + ": " + hexText(data);
    if (written != data.size())
        line += " (" + std::to_string(written) + " of " + std::to_string(data.size()) +
                " bytes inside the output area)";
    note(line);
}

void MonitorEngine::receive(std::span<const uint8_t> bytes, int64_t nowMs) {
    if (bytes.empty())
        return;
    if (!pending_.empty() && nowMs - lastByteAt_ > kAnswerGapMs) {
        note("incomplete answer dropped: " + hexText(pending_));
        pending_.clear();
    }
    lastByteAt_ = nowMs;
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());

    while (!pending_.empty()) {
        const monitor::ParsedAnswer answer = monitor::parseAnswer(pending_);
        if (answer.kind == monitor::ParsedAnswer::Kind::NeedMore)
            break;
        if (answer.kind == monitor::ParsedAnswer::Kind::Invalid) {
            note("unexpected byte " + hexText(std::span(pending_).first(1)));
            pending_.erase(pending_.begin());
            continue;
        }
        const std::span<const uint8_t> taken(pending_.data(), answer.consumed);
        answered("answer " + hexText(taken), nowMs);
        if (answer.kind == monitor::ParsedAnswer::Kind::Write)
            applyWrite(answer.request.address, answer.request.data);
        pending_.erase(pending_.begin(),
                       pending_.begin() + static_cast<std::ptrdiff_t>(answer.consumed));
    }
}

} // namespace brenmoor::sim
