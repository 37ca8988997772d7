// A gateway that answers anything, at any time, in any number of parts:
// the reads of a gateway (Compare with Gateway and `diff --port`, which run
// the upload on a copy, and the check after a download) over a scripted port
// whose replies come from the input, on a clock that jumps instead of
// sleeping. Whatever arrives, the program sends only well-formed requests,
// reads only into its buffers, changes the project only on a complete read,
// and reports a check as passed only when the read succeeded and found the
// gateway holding what was sent.
//
// Input: a byte of mode and flags, a byte of firmware version, a byte of
// command count (for the check), then one reply per request:
//   control: bits 0-2 delay (0, 10, 40, 60, 100, 200, 350, 1000 ms), bit 3
//            in two parts (the second 60 ms later), bit 4 framed (code,
//            length, the bytes as data, checksum), bit 5 framed with the
//            request's own code, bit 6 no reply at all, bit 7 with the
//            negative flag on the code
//   length, then that many bytes.
// Past the end of the input the gateway is silent.
#include "fuzz_support.h"

#include "core/compare/config_diff.h"
#include "core/serial/clock.h"
#include "core/serial/download_verify.h"
#include "core/serial/frame.h"
#include "core/serial/gateway_readback.h"
#include "scripted_port.h"

using namespace brenmoor;
using fuzz::check;

namespace {

constexpr int64_t kDelaysMs[] = {0, 10, 40, 60, 100, 200, 350, 1000};

ScriptedPort::Reply replyFrom(fuzz::ByteReader& in, const std::vector<uint8_t>& request) {
    if (in.empty())
        return {};
    const uint8_t control = in.byte();
    const auto payload = in.take(in.byte());
    if (control & 0x40)
        return {};
    std::vector<uint8_t> bytes(payload.begin(), payload.end());
    if (control & 0x10) {
        uint8_t code = 0;
        std::span<const uint8_t> body = payload;
        if (control & 0x20) {
            code = request.empty() ? 0 : request[0];
        } else if (!body.empty()) {
            code = body[0];
            body = body.subspan(1);
        }
        if (control & 0x80)
            code |= code::NegativeFlag;
        bytes = buildFrame(code, body);
    }
    const int64_t delay = kDelaysMs[control & 0x07];
    if ((control & 0x08) && bytes.size() >= 2) {
        const auto middle = bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2);
        return {{{delay, {bytes.begin(), middle}}, {delay + 60, {middle, bytes.end()}}}};
    }
    return {{{delay, std::move(bytes)}}};
}

// The program builds its requests; none may come out malformed whatever
// the replies before it were.
void checkRequests(const ScriptedPort& port) {
    for (const auto& frame : port.written()) {
        check(frame.size() >= 3 && frame[1] == frame.size() - 3);
        check(checksumMatches(frame, frame.size() - 1));
    }
    // The largest buffer of a transfer, or the scratch that drops stale input.
    check(port.largestRead() <= 256);
}

void readConfiguration(ScriptedPort& port, FakeClock& clock, const Project& original) {
    Project project = original;
    TransferView view;
    const Outcome read = readGatewayConfiguration(port, clock, project, view);
    check(project.formatVersion == original.formatVersion);
    check(project.marks.modified == original.marks.modified &&
          project.marks.loaded == original.marks.loaded &&
          project.marks.upload == original.marks.upload);
    if (!read) {
        check(!read.message().empty());
        check(project.store == original.store && project.device == original.device);
        return;
    }
    // What `diff --port` prints, and what a save of the upload writes.
    for (const ConfigDifference& d : compareConfigurations(original, project))
        check(!describeDifference(d, "A.chg", "gateway").empty());
    fuzz::checkSavesAndReopens(project);
}

void verify(ScriptedPort& port, FakeClock& clock, const Project& project, int firmwareVersion) {
    TransferView view;
    const VerifyReport report = verifyDownload(port, clock, project, firmwareVersion, view);
    check(view.verifyPassed == report.verified());
    check(!view.verifyLine.empty());
    if (!report.outcome)
        check(report.differences.empty() && !report.outcome.message().empty());
    for (const std::string& line : report.differences)
        check(!line.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ByteReader in(std::span(data, size));
    const uint8_t mode = in.byte();
    const int firmwareVersion = in.byte();
    const int commandCount = in.byte() % (kMaxCommands + 1);

    Project project = makeNewProject();
    project.device.doubleFault = mode & 0x02;
    project.device.dataFilter = mode & 0x04;
    project.device.commandStatus = mode & 0x08;
    project.device.profibusData = mode & 0x10;
    project.device.commonMode = mode & 0x20;
    ResetToDefaults(project.store, project.device);
    project.store.fieldbus.fieldbusType = "DeviceNet";

    FakeClock clock;
    ScriptedPort port(clock);
    port.setResponder(
        [&in](const std::vector<uint8_t>& request) { return replyFrom(in, request); });
    if (mode & 0x01) {
        // The check reads back what a download of this project sent.
        project.store.subnets[0].commandCount = commandCount;
        verify(port, clock, project, firmwareVersion);
    } else {
        readConfiguration(port, clock, project);
    }
    checkRequests(port);
    return 0;
}
