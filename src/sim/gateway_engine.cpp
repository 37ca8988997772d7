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

size_t subnetOf(uint8_t s) {
    return std::min<size_t>(s, kSubnetCount - 1);
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
    case code::WriteDeviceNet:
        if (!need(kDeviceNetBlockSize))
            return negative(request, 1, 0);
        std::copy(data.begin(), data.end(), config_.deviceNet.begin());
        return ackFrame(request);
    case code::ReadDeviceNet:
        return buildFrame(code::ReadDeviceNet, config_.deviceNet);
    case code::WriteSubnet:
        if (!need(1 + kSubnetBlockSize))
            return negative(request, 1, 0);
        std::copy(data.begin() + 1, data.end(), config_.subnets[subnetOf(data[0])].begin());
        return ackFrame(request);
    case code::ReadSubnet: {
        if (!need(1))
            return negative(request, 1, 0);
        std::vector<uint8_t> reply{data[0]};
        const auto& block = config_.subnets[subnetOf(data[0])];
        reply.insert(reply.end(), block.begin(), block.end());
        return buildFrame(code::ReadSubnet, reply);
    }
    case code::ClearCommands:
        if (!need(3) || data[1] != 0x55 || data[2] != 0xAA)
            return negative(request, 1, 0);
        config_.commands[subnetOf(data[0])].clear();
        return ackFrame(request);
    case code::WriteCommand:
        if (!need(2 + kCommandRecordSize))
            return negative(request, 1, 0);
        if (data[1] >= kMaxCommands)
            return negative(request, 2, 0);
        std::copy(data.begin() + 2, data.end(),
                  config_.commands[subnetOf(data[0])][data[1]].begin());
        return ackFrame(request);
    case code::ReadCommandCount: {
        if (!need(1))
            return negative(request, 1, 0);
        const size_t count = config_.commands[subnetOf(data[0])].size();
        const uint8_t reply[] = {data[0], static_cast<uint8_t>(count / 256),
                                 static_cast<uint8_t>(count % 256)};
        return buildFrame(code::ReadCommandCount, reply);
    }
    case code::ReadCommandPacket: {
        if (!need(2))
            return negative(request, 1, 0);
        const auto& commands = config_.commands[subnetOf(data[0])];
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
    case code::WriteClearingOption:
        if (!need(1))
            return negative(request, 1, 0);
        config_.clearingOption = data[0];
        return ackFrame(request);
    case code::ReadClearingOption: {
        const uint8_t value[] = {config_.clearingOption};
        return buildFrame(code::ReadClearingOption, value);
    }
    case code::WriteProfibusConfig:
        if (!need(kProfibusConfigSize))
            return negative(request, 1, 0);
        std::copy(data.begin(), data.end(), config_.profibusConfig.begin());
        return ackFrame(request);
    case code::ReadProfibusConfig:
        return buildFrame(code::ReadProfibusConfig, config_.profibusConfig);
    default:
        return negative(request, 1, 0);
    }
}

} // namespace brenmoor::sim
