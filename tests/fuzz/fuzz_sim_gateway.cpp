// The simulated gateway takes whatever the line brings, in whatever pieces
// and pauses, and plays the faults the user typed on its command line. Any
// fault text is refused or gives a rule inside its ranges; every frame it
// takes is well-formed; every request gets exactly the answer its fault
// calls for; and an answer without a fault is one the program's own checks
// accept as the reply to that request (the simulator stands in for the
// gateway in the end-to-end tests, so it must not teach them anything else).
//
// Input: a byte of options (bits 0-1 mode, bits 2-3 number of fault texts,
// bits 4-5 line speed, bit 6 device type 5), a byte of firmware version,
// the fault texts one a line, then chunks: a byte of length (bits 0-4) and
// pause before it (bits 5-7), then the chunk's bytes.
#include "fuzz_support.h"

#include "core/serial/frame.h"
#include "core/serial/reply_parser.h"
#include "sim/fault_plan.h"
#include "sim/gateway_engine.h"

#include <optional>
#include <string>

using namespace brenmoor;
using namespace brenmoor::sim;
using fuzz::check;

namespace {

constexpr int kBauds[] = {19200, 9600, 115200, 0};
constexpr int64_t kPausesMs[] = {0, 1, 10, 50, 99, 101, 150, 1000};

std::string lineFrom(fuzz::ByteReader& in) {
    std::string line;
    while (!in.empty()) {
        const char c = static_cast<char>(in.byte());
        if (c == '\n')
            break;
        line += c;
    }
    return line;
}

void checkRule(const FaultRule& rule) {
    check(rule.occurrence >= 0);
    check(rule.lateMs >= 0 && rule.lateMs <= 60000);
    check(rule.miswriteByte >= -1 && rule.miswriteByte <= 255);
    check(rule.miswriteMask != 0);
}

bool wellFormed(std::span<const uint8_t> frame) {
    return frame.size() >= 3 && frame[1] == frame.size() - 3 &&
           checksumMatches(frame, frame.size() - 1);
}

// A wrongly stored write changes one byte of what it stores, nothing else.
void checkMiswrite(std::span<const uint8_t> frame, const FaultRule& rule) {
    const std::vector<uint8_t> out = miswrittenFrame(frame, rule);
    check(out.size() == frame.size());
    size_t changed = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        if (out[i] == frame[i])
            continue;
        ++changed;
        check(i >= 2 && i < 2 + size_t{frame[1]});
    }
    check(changed <= 1);
}

// The program's check of the reply to this request, as the transfers make it.
void checkAccepted(std::span<const uint8_t> request, std::span<const uint8_t> reply) {
    const uint8_t code = request[0];
    check(!reply.empty());
    if (reply[0] == (code | code::NegativeFlag)) {
        check(reply.size() == 5 && wellFormed(reply));
        return;
    }
    check(reply[0] == code && wellFormed(reply));
    ReceivedData received;
    switch (code) {
    case code::DeviceInfo:
    case code::ReadSubnet:
    case code::ReadCommandCount:
    case code::ReadCommandPacket:
    case code::ReadDeviceNet:
        check(parseReplyUpload(reply, received, true) == code);
        break;
    case code::WriteSubnet:
    case code::WriteCommand:
    case code::ClearCommands:
    case code::WriteDeviceNet:
        check(parseReplyDownload(reply, received) == code);
        break;
    case code::ReadClearingOption:
        check(reply.size() >= 3);
        break;
    case code::ReadProfibusConfig:
        check(reply.size() >= 2 + kProfibusConfigSize && reply[1] == kProfibusConfigSize);
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ByteReader in(std::span(data, size));
    const uint8_t options = in.byte();
    GatewayOptions gateway;
    const int modeBits = options & 0x03;
    gateway.mode = modeBits == 1   ? GatewayMode::Auto
                   : modeBits == 2 ? GatewayMode::Monitor
                                   : GatewayMode::Configuration;
    gateway.baudRate = kBauds[(options >> 4) & 0x03];
    gateway.deviceType = (options & 0x40) ? 5 : 1;
    gateway.firmwareVersion = in.byte() * 10;

    // Named, not the constructor's default argument: clang 14 then emits no
    // definition of the map's defaulted constructor and the link fails.
    GatewayConfig memory;
    GatewayEngine engine(gateway, std::move(memory));
    FaultPlan mirror; // decides the same faults, to know what each answer must be
    std::vector<FaultRule> rules;
    for (int i = 0; i < ((options >> 2) & 0x03); ++i) {
        const auto rule = parseFaultRule(lineFrom(in));
        if (!rule)
            continue;
        checkRule(*rule);
        engine.addFault(*rule);
        mirror.add(*rule);
        rules.push_back(*rule);
    }

    int64_t now = 0;
    size_t seen = 0;
    while (!in.empty()) {
        const uint8_t header = in.byte();
        now += kPausesMs[header >> 5];
        const auto chunk = in.take(header & 0x1F);
        const std::vector<ScheduledReply> replies = engine.receive(chunk, now);

        size_t next = 0;
        const auto& requests = engine.requests();
        for (; seen < requests.size(); ++seen) {
            const std::vector<uint8_t>& request = requests[seen];
            check(wellFormed(request));
            for (const FaultRule& rule : rules)
                checkMiswrite(request, rule);

            const auto fault = mirror.onRequest(request[0]);
            using Kind = FaultRule::Kind;
            if (fault && fault->kind == Kind::NoReply)
                continue;
            if (gateway.mode == GatewayMode::Monitor && !(fault && fault->kind == Kind::Negative))
                continue;
            check(next < replies.size());
            const ScheduledReply& reply = replies[next++];
            check(reply.delayMs >= 0);
            if (!fault) {
                checkAccepted(request, reply.bytes);
                continue;
            }
            switch (fault->kind) {
            case Kind::Negative: {
                const uint8_t detail[] = {fault->detail[0], fault->detail[1]};
                check(reply.bytes ==
                      buildFrame(static_cast<uint8_t>(request[0] | code::NegativeFlag), detail));
                break;
            }
            case Kind::BadChecksum:
                check(!reply.bytes.empty() &&
                      !checksumMatches(reply.bytes, reply.bytes.size() - 1));
                break;
            case Kind::Late:
                check(reply.delayMs >= fault->lateMs);
                checkAccepted(request, reply.bytes);
                break;
            case Kind::Miswrite:
                checkAccepted(request, reply.bytes);
                break;
            case Kind::NoReply:
                break;
            }
        }
        check(next == replies.size());
    }
    return 0;
}
