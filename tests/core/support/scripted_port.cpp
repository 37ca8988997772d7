#include "scripted_port.h"

#include <algorithm>

namespace brenmoor {

void ScriptedPort::expectReply(std::vector<uint8_t> bytes, int64_t afterMs) {
    replies_.push_back(Reply{{Chunk{afterMs, std::move(bytes)}}});
}

void ScriptedPort::injectNow(const std::vector<uint8_t>& bytes) {
    input_.insert(input_.end(), bytes.begin(), bytes.end());
}

void ScriptedPort::deliverDue() {
    const int64_t now = clock_.now();
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const Pending& a, const Pending& b) { return a.at < b.at; });
    auto it = pending_.begin();
    for (; it != pending_.end() && it->at <= now; ++it)
        input_.insert(input_.end(), it->bytes.begin(), it->bytes.end());
    pending_.erase(pending_.begin(), it);
}

size_t ScriptedPort::queryStatus() {
    ++queries_;
    if (!open_)
        return 0;
    deliverDue();
    return input_.size();
}

bool ScriptedPort::writeBytes(std::span<const uint8_t> bytes) {
    if (!open_)
        return false;
    written_.emplace_back(bytes.begin(), bytes.end());
    Reply reply;
    if (!replies_.empty()) {
        reply = std::move(replies_.front());
        replies_.pop_front();
    } else if (responder_) {
        reply = responder_(written_.back());
    }
    const int64_t now = clock_.now();
    for (auto& chunk : reply.chunks)
        pending_.push_back({now + chunk.afterMs, std::move(chunk.bytes)});
    return true;
}

size_t ScriptedPort::readBytes(std::span<uint8_t> buffer) {
    largestRead_ = std::max(largestRead_, buffer.size());
    if (!open_)
        return 0;
    const size_t n = std::min(buffer.size(), input_.size());
    std::copy_n(input_.begin(), n, buffer.begin());
    input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(n));
    return n;
}

std::vector<uint8_t> ScriptedPort::writtenCodes() const {
    std::vector<uint8_t> codes;
    for (const auto& frame : written_)
        codes.push_back(frame.empty() ? 0 : frame[0]);
    return codes;
}

} // namespace brenmoor
