#include "sim/fault_plan.h"

#include "core/serial/block_transfer.h"

#include <algorithm>
#include <limits>
#include <sstream>

namespace brenmoor::sim {
namespace {

std::optional<long> number(const std::string& text, int base) {
    if (text.empty())
        return std::nullopt;
    size_t used = 0;
    try {
        const long value = std::stol(text, &used, base);
        if (used != text.size())
            return std::nullopt;
        return value;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<FaultRule> parseFaultRule(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, ':');)
        parts.push_back(part);
    if (parts.size() < 3)
        return std::nullopt;
    const auto code = number(parts[0], 16);
    const auto occurrence = number(parts[1], 10);
    // An occurrence beyond what a request counter reaches would wrap into a
    // rule that fires early or never: refused like any other bad number.
    if (!code || *code < 0 || *code > 0xff || !occurrence || *occurrence < 0 ||
        *occurrence > std::numeric_limits<int>::max())
        return std::nullopt;
    FaultRule rule;
    rule.code = static_cast<uint8_t>(*code);
    rule.occurrence = static_cast<int>(*occurrence);
    const std::string& kind = parts[2];
    if (kind == "none" && parts.size() == 3) {
        rule.kind = FaultRule::Kind::NoReply;
    } else if (kind == "badsum" && parts.size() == 3) {
        rule.kind = FaultRule::Kind::BadChecksum;
    } else if (kind == "negative" && parts.size() <= 5) {
        rule.kind = FaultRule::Kind::Negative;
        for (size_t i = 3; i < parts.size(); ++i) {
            const auto d = number(parts[i], 16);
            if (!d || *d < 0 || *d > 0xff)
                return std::nullopt;
            rule.detail[i - 3] = static_cast<uint8_t>(*d);
        }
    } else if (kind == "late" && parts.size() == 4) {
        const auto ms = number(parts[3], 10);
        if (!ms || *ms < 0 || *ms > 60000)
            return std::nullopt;
        rule.kind = FaultRule::Kind::Late;
        rule.lateMs = static_cast<int>(*ms);
    } else if (kind == "miswrite" && parts.size() <= 5) {
        rule.kind = FaultRule::Kind::Miswrite;
        if (parts.size() >= 4) {
            const auto byte = number(parts[3], 10);
            if (!byte || *byte < 0 || *byte > 255)
                return std::nullopt;
            rule.miswriteByte = static_cast<int>(*byte);
        }
        if (parts.size() == 5) {
            const auto mask = number(parts[4], 16);
            if (!mask || *mask <= 0 || *mask > 0xff)
                return std::nullopt;
            rule.miswriteMask = static_cast<uint8_t>(*mask);
        }
    } else {
        return std::nullopt;
    }
    return rule;
}

std::vector<uint8_t> miswrittenFrame(std::span<const uint8_t> frame, const FaultRule& rule) {
    std::vector<uint8_t> out(frame.begin(), frame.end());
    if (out.size() < 3)
        return out;
    // The block's address precedes the stored bytes in the data of a write.
    const BlockTransfer* transfer = transferWriting(out[0]);
    if (!transfer)
        return out;
    const size_t prefix = transfer->addressSize;
    const size_t length = std::min<size_t>(out[1], out.size() - 3);
    if (length <= prefix)
        return out;
    const size_t stored = length - prefix;
    const size_t byte = rule.miswriteByte >= 0 && static_cast<size_t>(rule.miswriteByte) < stored
                            ? static_cast<size_t>(rule.miswriteByte)
                            : stored - 1;
    out[2 + prefix + byte] ^= rule.miswriteMask;
    return out;
}

std::optional<FaultRule> FaultPlan::onRequest(uint8_t code) {
    const int n = ++seen_[code];
    for (const FaultRule& rule : rules_)
        if (rule.code == code && (rule.occurrence == 0 || rule.occurrence == n))
            return rule;
    return std::nullopt;
}

} // namespace brenmoor::sim
