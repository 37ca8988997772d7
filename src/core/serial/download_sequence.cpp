#include "core/serial/download_sequence.h"

#include "core/model/store_texts.h"
#include "core/resources/messages_serial.h"
#include "core/resources/string_table.h"
#include "core/serial/frame.h"
#include "core/serial/image_codec.h"
#include "core/serial/reply_parser.h"

#include <algorithm>

namespace brenmoor {

Outcome checkNodeAddresses(const ParameterStore& store) {
    for (const CONFIG& config : store.subnets)
        for (int n = 0; n < config.nodeCount && n < kMaxNodes; ++n) {
            const std::string& address = config.nodes[static_cast<size_t>(n)].address;
            if (address.empty() || address == text::NotSet)
                return Outcome::failure(msg::NodeAddressEmpty,
                                        std::string(loadString(msg::NodeAddressEmpty)));
        }
    return Outcome::success();
}

int firmwareVersionOf(std::span<const uint8_t> reply) {
    const int i1 = reply.size() > 3 ? reply[3] : 0;
    const int i2 = reply.size() > 4 ? reply[4] : 0;
    return i1 * 10 + i2;
}

bool sendsClearingOption(const DeviceSettings& device, int firmwareVersion) {
    return device.doubleFault || (device.commandStatus && firmwareVersion >= 40);
}

bool sendsProfibusConfig(const DeviceSettings& device, int firmwareVersion) {
    return (device.dataFilter || device.profibusData) && firmwareVersion >= 30;
}

DownloadSequence::DownloadSequence(SerialPort& port, Clock& clock, Prompter& prompter,
                                   TransferView& view, TransferProgress progress)
    : transactor_(port, clock), prompter_(prompter), view_(view), progress_(std::move(progress)) {}

void DownloadSequence::show() {
    if (progress_)
        progress_(view_);
}

void DownloadSequence::counted() {
    view_.count.countRequest(downloadRequests(*project_, facts_, readBack_));
    show();
}

Outcome DownloadSequence::fail(MessageId id) {
    return fail(id, std::string(loadString(id)));
}

Outcome DownloadSequence::fail(MessageId id, std::string text) {
    return Outcome::failure(id, std::move(text));
}

Outcome DownloadSequence::run(const Project& project) {
    const ParameterStore& store = project.store;
    const DeviceSettings& device = project.device;
    received_ = ReceivedData{};
    project_ = &project;
    facts_ = GatewayFacts{};
    view_.count = {0, downloadRequests(project, facts_, readBack_), 0, 0};

    view_.iconsHaveCheckMark = true;
    view_.iconsVisible = false;
    view_.lineB = loadString(msg::DownloadingPleaseWait);
    show();

    const uint8_t deviceInfoRequest[] = {code::DeviceInfo, 0x00, code::DeviceInfo};
    const size_t got =
        transactor_.transactWait(deviceInfoRequest, buffer_, WaitPlan::firstDeviceInfo());
    if (got == 0)
        return fail(msg::ReadDeviceTypeTimeout);
    const auto reply = std::span<const uint8_t>(buffer_).first(got);
    firmwareVersion_ = firmwareVersionOf(reply);
    const uint8_t parsed = parseReplyDownload(reply, received_);
    buffer_.fill(0);
    facts_.firmwareVersion = firmwareVersion_;
    counted();
    if (parsed != code::DeviceInfo)
        return fail(msg::DownloadError);

    const int type = received_.deviceType();
    if (type != 1 && !(type == 5 && device.doubleFault)) {
        transactor_.port().closePort();
        return fail(msg::DeviceTypeMismatch);
    }
    if (type == 1)
        view_.stepLines = {std::string(loadString(msg::DownloadingDeviceNet)),
                           std::string(loadString(msg::DownloadingModbusParameters)),
                           std::string(loadString(msg::DownloadingModbusCommands))};
    view_.iconsVisible = true;
    show();

    if (!device.doubleFault) {
        const auto frame = deviceNetWriteFrame(store);
        const size_t n = transactor_.transactWait(frame, buffer_);
        const uint8_t answer = parseReplyDownload(std::span(buffer_).first(n), received_);
        buffer_.fill(0);
        counted();
        if (n == 0)
            return fail(msg::DeviceNetTimeout);
        if (answer != code::WriteDeviceNet && answer != code::FieldbusAck)
            return fail(msg::DeviceNetDownloadError);
    }

    {
        const auto frame = subnetWriteFrame(store, 0);
        const size_t n = transactor_.transactWait(frame, buffer_);
        const uint8_t answer = parseReplyDownload(std::span(buffer_).first(n), received_);
        buffer_.fill(0);
        counted();
        if (n == 0)
            return fail(msg::ModbusParametersTimeout);
        if (answer != code::WriteSubnet)
            return fail(msg::ModbusParametersError);
    }

    if (store.subnets[0].protocolMode == text::ModbusMaster) {
        if (Outcome written = writeCommands(store); !written)
            return written;
    }
    if (Outcome written = writeOptionalBlocks(project); !written)
        return written;

    view_.lineA.clear();
    view_.lineB = loadString(msg::DownloadSuccessful);
    show();
    return Outcome::success();
}

Outcome DownloadSequence::writeCommands(const ParameterStore& store) {
    const uint8_t clearData[] = {0x00, 0x55, 0xAA};
    const auto clear = buildFrame(code::ClearCommands, clearData);
    const size_t n = transactor_.transactWait(clear, buffer_);
    const uint8_t answer = parseReplyDownload(std::span(buffer_).first(n), received_);
    buffer_.fill(0);
    counted();
    if (n == 0)
        return fail(msg::ReadDeviceTypeTimeout);
    if (answer != code::ClearCommands)
        prompter_.inform(msg::ClearCommandError);

    const int count = std::clamp(store.subnets[0].commandCount, 0, kMaxCommands);
    for (int k = 0; k < count; ++k) {
        view_.count.command = k + 1;
        view_.count.commands = count;
        show();
        const auto frame = commandWriteFrame(store, 0, k);
        const size_t got = transactor_.transactWait(frame, buffer_);
        const uint8_t reply = parseReplyDownload(std::span(buffer_).first(got), received_);
        const uint8_t detail = buffer_[2];
        buffer_.fill(0);
        counted();
        if (got == 0)
            return fail(msg::AddCommandTimeout);
        if (reply != code::WriteCommand) {
            if (detail == 3)
                return fail(msg::OneModbusSlaveOnly);
            return fail(msg::CommandDownloadError, formatMessage(msg::CommandDownloadError, k));
        }
    }
    return Outcome::success();
}

Outcome DownloadSequence::writeOptionalBlocks(const Project& project) {
    if (sendsClearingOption(project.device, firmwareVersion_)) {
        const uint8_t value[] = {encodeClearingOption(project.store, project.device)};
        const auto frame = buildFrame(code::WriteClearingOption, value);
        const size_t n =
            transactor_.transactWait(frame, optionBuffer_, WaitPlan::clearingOptionWrite());
        const bool ok =
            n >= 2 && optionBuffer_[0] == code::WriteClearingOption && optionBuffer_[1] == 0;
        optionBuffer_.fill(0);
        counted();
        if (n == 0)
            return fail(msg::ConfigParametersTimeout);
        if (!ok)
            return fail(msg::ConfigParametersError);
    }
    if (sendsProfibusConfig(project.device, firmwareVersion_)) {
        const auto data = encodeProfibusConfigData(project.store);
        const auto frame = buildFrame(code::WriteProfibusConfig, data);
        const size_t n = transactor_.transactWait(frame, buffer_, WaitPlan::profibusWrite());
        const bool ok = n >= 3 && buffer_[0] == code::WriteProfibusConfig && buffer_[1] == 0 &&
                        buffer_[2] == code::WriteProfibusConfig;
        buffer_.fill(0);
        counted();
        if (!ok)
            return fail(msg::ProfibusDownloadFailed);
    }
    return Outcome::success();
}

} // namespace brenmoor
