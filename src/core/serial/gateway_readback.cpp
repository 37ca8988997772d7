#include "core/serial/gateway_readback.h"

#include "core/resources/messages_serial.h"
#include "core/resources/string_table.h"
#include "core/serial/download_sequence.h"
#include "core/serial/frame.h"
#include "core/serial/reply_parser.h"
#include "core/serial/upload_sequence.h"

#include <algorithm>

namespace brenmoor {

namespace {

Outcome failure(MessageId id) {
    return Outcome::failure(id, std::string(loadString(id)));
}

} // namespace

GatewayReader::GatewayReader(SerialPort& port, Clock& clock) : transactor_(port, clock) {}

void GatewayReader::reset() {
    received_ = ReceivedData{};
    firmwareVersion_ = 0;
    facts_ = GatewayFacts{};
}

void GatewayReader::exchanged() {
    if (exchanged_)
        exchanged_();
}

bool GatewayReader::exchange(std::span<const uint8_t> frame, uint8_t expected,
                             std::span<uint8_t> buffer, bool doubleFault) {
    const size_t n = transactor_.transactOnce(frame, buffer);
    const uint8_t answer = parseReplyUpload(buffer.first(n), received_, doubleFault);
    std::fill(buffer.begin(), buffer.end(), uint8_t{0});
    const bool ok = answer == expected;
    if (ok && expected == code::ReadSubnet && received_.subnetBlocks[0])
        facts_.master = (*received_.subnetBlocks[0])[0] == 0;
    if (ok && expected == code::ReadCommandCount)
        facts_.commandCount = received_.commandCounts[0];
    exchanged();
    return ok;
}

Outcome GatewayReader::readDeviceInfo(const DeviceSettings& device) {
    const auto request = buildFrame(code::DeviceInfo);
    const size_t got = transactor_.transactOnce(request, buffer_);
    const auto reply = std::span<const uint8_t>(buffer_).first(got);
    firmwareVersion_ = firmwareVersionOf(reply);
    const uint8_t parsed = parseReplyUpload(reply, received_, device.doubleFault);
    buffer_.fill(0);
    facts_.firmwareVersion = firmwareVersion_;
    exchanged();
    if (parsed != code::DeviceInfo)
        return failure(msg::UploadError);
    if (received_.deviceType() != 1) {
        transactor_.port().closePort();
        return failure(msg::DeviceTypeMismatch);
    }
    return Outcome::success();
}

Outcome GatewayReader::readMainBlocks(const DeviceSettings& device) {
    const bool df = device.doubleFault;
    if (!exchange(buildFrame(code::ReadDeviceNet), code::ReadDeviceNet, buffer_, df))
        return failure(msg::ReadDeviceNetError);
    const uint8_t subnet0[] = {0};
    if (!exchange(buildFrame(code::ReadSubnet, subnet0), code::ReadSubnet, buffer_, df) ||
        !received_.subnetBlocks[0])
        return failure(msg::ReadModbusParametersError);

    if ((*received_.subnetBlocks[0])[0] != 0)
        return Outcome::success();
    if (!exchange(buildFrame(code::ReadCommandCount, subnet0), code::ReadCommandCount, buffer_, df))
        return failure(msg::ReadCommandCountError);
    const int packets = commandPackets(received_.commandCounts[0]);
    for (int p = 0; p < packets; ++p) {
        const uint8_t data[] = {0, static_cast<uint8_t>(p)};
        if (!exchange(buildFrame(code::ReadCommandPacket, data), code::ReadCommandPacket,
                      packetBuffer_, df))
            return Outcome::failure(msg::ReadCommandPacketError,
                                    formatMessage(msg::ReadCommandPacketError, p));
    }
    return Outcome::success();
}

Outcome GatewayReader::readOptionalBlocks(const DeviceSettings& device, int firmwareVersion) {
    if (sendsClearingOption(device, firmwareVersion)) {
        const size_t n = transactor_.transactWait(buildFrame(code::ReadClearingOption),
                                                  optionBuffer_, WaitPlan::clearingOptionRead());
        const bool ok = n >= 3 && optionBuffer_[0] == code::ReadClearingOption;
        if (ok)
            received_.clearingOption = optionBuffer_[2];
        optionBuffer_.fill(0);
        exchanged();
        if (n == 0)
            return failure(msg::ConfigParametersTimeout);
        // A reply cut short after its code has no value byte: it is refused.
        if (!ok)
            return failure(msg::ConfigParametersError);
    }
    if (sendsProfibusConfig(device, firmwareVersion)) {
        const size_t n = transactor_.transactWait(buildFrame(code::ReadProfibusConfig), buffer_,
                                                  WaitPlan::profibusRead());
        const bool ok = n >= 2 + kProfibusConfigSize && buffer_[0] == code::ReadProfibusConfig &&
                        buffer_[1] == 9;
        if (ok) {
            std::array<uint8_t, kProfibusConfigSize> data{};
            std::copy_n(buffer_.begin() + 2, kProfibusConfigSize, data.begin());
            received_.profibusConfig = data;
        }
        buffer_.fill(0);
        exchanged();
        if (!ok)
            return failure(msg::ProfibusUploadFailed);
    }
    return Outcome::success();
}

Outcome readGatewayConfiguration(SerialPort& port, Clock& clock, Project& into, TransferView& view,
                                 TransferProgress progress) {
    // The upload itself, on a copy: whatever it does to the marks of a
    // document stays with the copy.
    Project scratch = into;
    UploadSequence upload(port, clock, view, std::move(progress));
    Outcome read = upload.run(scratch);
    if (read) {
        into.store = std::move(scratch.store);
        into.device = scratch.device;
    }
    return read;
}

} // namespace brenmoor
