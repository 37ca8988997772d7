#include "sim/gateway_engine.h"

#include "core/serial/frame.h"

#include <algorithm>

namespace brenmoor::sim {
namespace {

// A frame that stops arriving for this long is abandoned, so that a lost
// byte cannot shift every later frame.
constexpr int64_t kFrameGapMs = 100;

std::vector<uint8_t> negative(uint8_t request, uint8_t d0, uint8_t d1) {
    const uint8_t data[] = {d0, d1};
    return buildFrame(static_cast<uint8_t>(request | code::NegativeFlag), data);
}

} // namespace

GatewayEngine::GatewayEngine(GatewayOptions options, GatewayConfig config)
    : options_(options), config_(std::move(config)) {}

std::vector<ScheduledReply> GatewayEngine::receive(std::span<const uint8_t> bytes, int64_t nowMs) {
    if (!pending_.empty() && nowMs - lastByteAt_ > kFrameGapMs)
        pending_.clear();
    lastByteAt_ = nowMs;
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());

    std::vector<ScheduledReply> replies;
    while (pending_.size() >= 3) {
        const size_t frameSize = static_cast<size_t>(pending_[1]) + 3;
        if (pending_.size() < frameSize)
            break;
        const std::span<const uint8_t> frame(pending_.data(), frameSize);
        if (!checksumMatches(frame, frameSize - 1)) {
            pending_.clear();
            break;
        }
        requests_.emplace_back(frame.begin(), frame.end());
        const uint8_t request = frame[0];
        const auto fault = faults_.onRequest(request);
        if (fault && fault->kind == FaultRule::Kind::Negative) {
            replies.push_back(
                schedule(frame, negative(request, fault->detail[0], fault->detail[1])));
        } else if (!fault || fault->kind != FaultRule::Kind::NoReply) {
            // A gateway that stores a write wrongly still acknowledges it.
            std::vector<uint8_t> reply = fault && fault->kind == FaultRule::Kind::Miswrite
                                             ? answer(miswrittenFrame(frame, *fault))
                                             : answer(frame);
            if (!reply.empty()) {
                if (fault && fault->kind == FaultRule::Kind::BadChecksum)
                    reply.back() = static_cast<uint8_t>(reply.back() + 1);
                ScheduledReply scheduled = schedule(frame, std::move(reply));
                if (fault && fault->kind == FaultRule::Kind::Late)
                    scheduled.delayMs += fault->lateMs;
                replies.push_back(std::move(scheduled));
            }
        }
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(frameSize));
    }
    return replies;
}

ScheduledReply GatewayEngine::schedule(std::span<const uint8_t>, std::vector<uint8_t> reply) const {
    // The pseudo-terminal delivers the whole reply at once; it is held back
    // until its last byte would have arrived over a real line.
    const int64_t bits = static_cast<int64_t>(reply.size()) * options_.bitsPerCharacter;
    const int64_t lineMs = (bits * 1000 + options_.baudRate - 1) / std::max(1, options_.baudRate);
    const int64_t delayMs =
        std::min(lineMs + options_.turnaroundMs, std::max(lineMs, kLatestReplyMs));
    return {delayMs, std::move(reply)};
}

std::vector<uint8_t> GatewayEngine::answer(std::span<const uint8_t> frame) {
    switch (options_.mode) {
    case GatewayMode::Configuration:
    case GatewayMode::Auto:
        return answerConfiguration(frame);
    case GatewayMode::Monitor:
        return {};
    }
    return {};
}

std::vector<uint8_t> GatewayEngine::answerConfiguration(std::span<const uint8_t> frame) {
    const uint8_t request = frame[0];
    const auto data = frame.subspan(2, frame[1]);
    auto need = [&](size_t n) { return data.size() == n; };
    if (const BlockTransfer* transfer = transferWriting(request))
        return storeBlock(*transfer, data);
    if (const BlockTransfer* transfer = transferReading(request))
        return readBlock(*transfer, data);
    switch (request) {
    case code::DeviceInfo: {
        const int version = std::clamp(options_.firmwareVersion, 0, 2559);
        const uint8_t info[] = {options_.deviceType,
                                static_cast<uint8_t>(version / 10),
                                static_cast<uint8_t>(version % 10),
                                0,
                                0,
                                0,
                                0,
                                0};
        return buildFrame(code::DeviceInfo, info);
    }
    case code::ClearCommands:
        if (!need(3) || data[1] != 0x55 || data[2] != 0xAA)
            return negative(request, 1, 0);
        config_.commands[subnetAt(data[0])].clear();
        return ackFrame(request);
    case code::ReadCommandCount: {
        if (!need(1))
            return negative(request, 1, 0);
        const size_t count = config_.commands[subnetAt(data[0])].size();
        const uint8_t reply[] = {data[0], static_cast<uint8_t>(count / 256),
                                 static_cast<uint8_t>(count % 256)};
        return buildFrame(code::ReadCommandCount, reply);
    }
    case code::ReadCommandPacket: {
        if (!need(2))
            return negative(request, 1, 0);
        const auto& commands = config_.commands[subnetAt(data[0])];
        std::vector<uint8_t> reply{data[0]};
        size_t position = 0;
        const size_t first = static_cast<size_t>(data[1]) * kCommandsPerPacket;
        for (const auto& [index, record] : commands) {
            if (position >= first && position < first + kCommandsPerPacket) {
                reply.push_back(index);
                reply.insert(reply.end(), record.begin(), record.end());
            }
            ++position;
        }
        return buildFrame(code::ReadCommandPacket, reply);
    }
    default:
        return negative(request, 1, 0);
    }
}

std::vector<uint8_t> GatewayEngine::storeBlock(const BlockTransfer& transfer,
                                               std::span<const uint8_t> data) {
    if (data.size() != transfer.addressSize + transfer.size)
        return negative(transfer.write, 1, 0);
    const std::span<uint8_t> slot = config_.slot(transfer.block, data.first(transfer.addressSize));
    if (slot.empty())
        return negative(transfer.write, 2, 0);
    std::ranges::copy(data.subspan(transfer.addressSize), slot.begin());
    return ackFrame(transfer.write);
}

std::vector<uint8_t> GatewayEngine::readBlock(const BlockTransfer& transfer,
                                              std::span<const uint8_t> data) {
    // A block without an address is read whatever the request carries.
    if (transfer.addressSize > 0 && data.size() != transfer.addressSize)
        return negative(*transfer.read, 1, 0);
    const auto address = data.first(transfer.addressSize);
    std::vector<uint8_t> reply(address.begin(), address.end());
    const std::span<const uint8_t> block = config_.slot(transfer.block, address);
    reply.insert(reply.end(), block.begin(), block.end());
    return buildFrame(*transfer.read, reply);
}

} // namespace brenmoor::sim
