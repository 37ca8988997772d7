#include "core/serial/upload_sequence.h"

#include "core/resources/messages_serial.h"
#include "core/resources/string_table.h"
#include "core/serial/download_sequence.h"
#include "core/serial/frame.h"
#include "core/serial/image_codec.h"
#include "core/serial/reply_parser.h"

#include <algorithm>

namespace brenmoor {

void applyUpload(Project& project, const ReceivedData& received) {
    ResetToDefaults(project.store, project.device);
    // What File New does for an upload: the loaded mark follows the upload
    // mark, so the new document keeps the family and the store.
    project.marks.upload = true;
    project.marks.loaded = true;
    decodeUpload(received, project.store, project.device);
    project.marks.modified = true;
}

UploadSequence::UploadSequence(SerialPort& port, Clock& clock, TransferView& view,
                               TransferProgress progress)
    : transactor_(port, clock), view_(view), progress_(std::move(progress)) {}

void UploadSequence::show() {
    if (progress_)
        progress_(view_);
}

Outcome UploadSequence::failBlock(MessageId id) {
    return failBlock(id, std::string(loadString(id)));
}

Outcome UploadSequence::failBlock(MessageId id, std::string text) {
    view_.lineA.clear();
    view_.lineB.clear();
    view_.stepLinesVisible = false;
    show();
    return Outcome::failure(id, std::move(text));
}

Outcome UploadSequence::run(Project& project) {
    const DeviceSettings& device = project.device;
    view_.iconsHaveCheckMark = true;
    view_.iconsVisible = false;
    view_.lineB = loadString(msg::UploadingPleaseWait);
    show();
    received_ = ReceivedData{};

    const auto request = buildFrame(code::DeviceInfo);
    const size_t got = transactor_.transactOnce(request, buffer_);
    const auto reply = std::span<const uint8_t>(buffer_).first(got);
    firmwareVersion_ = firmwareVersionOf(reply);
    const uint8_t parsed = parseReplyUpload(reply, received_, device.doubleFault);
    buffer_.fill(0);
    if (parsed != code::DeviceInfo)
        return Outcome::failure(msg::UploadError, std::string(loadString(msg::UploadError)));
    if (received_.deviceType() != 1) {
        transactor_.port().closePort();
        return Outcome::failure(msg::DeviceTypeMismatch,
                                std::string(loadString(msg::DeviceTypeMismatch)));
    }

    view_.stepLines = {std::string(loadString(msg::UploadingDeviceNet)),
                       std::string(loadString(msg::UploadingModbusParameters)),
                       std::string(loadString(msg::UploadingModbusCommands))};
    view_.stepLinesVisible = true;
    view_.iconsVisible = true;
    show();

    if (Outcome read = readBlocks(device); !read)
        return read;

    applyUpload(project, received_);
    view_.lineA.clear();
    view_.lineB = loadString(msg::UploadSuccessful);
    show();
    return Outcome::success();
}

Outcome UploadSequence::readBlocks(const DeviceSettings& device) {
    auto exchange = [&](std::span<const uint8_t> frame, uint8_t expected,
                        std::span<uint8_t> buffer) {
        const size_t n = transactor_.transactOnce(frame, buffer);
        const uint8_t answer = parseReplyUpload(buffer.first(n), received_, device.doubleFault);
        std::fill(buffer.begin(), buffer.end(), uint8_t{0});
        return answer == expected;
    };

    if (!exchange(buildFrame(code::ReadDeviceNet), code::ReadDeviceNet, buffer_))
        return failBlock(msg::ReadDeviceNetError);
    const uint8_t subnet0[] = {0};
    if (!exchange(buildFrame(code::ReadSubnet, subnet0), code::ReadSubnet, buffer_) ||
        !received_.subnetBlocks[0])
        return failBlock(msg::ReadModbusParametersError);

    if ((*received_.subnetBlocks[0])[0] == 0) {
        if (!exchange(buildFrame(code::ReadCommandCount, subnet0), code::ReadCommandCount, buffer_))
            return failBlock(msg::ReadCommandCountError);
        const int count = received_.commandCounts[0];
        const int lastPacket = count >= 1 ? (count - 1) / static_cast<int>(kCommandsPerPacket) : 0;
        for (int p = 0; p <= lastPacket; ++p) {
            const uint8_t data[] = {0, static_cast<uint8_t>(p)};
            if (!exchange(buildFrame(code::ReadCommandPacket, data), code::ReadCommandPacket,
                          packetBuffer_)) {
                return failBlock(msg::ReadCommandPacketError,
                                 formatMessage(msg::ReadCommandPacketError, p));
            }
        }
    }

    if (sendsClearingOption(device, firmwareVersion_)) {
        const size_t n = transactor_.transactWait(buildFrame(code::ReadClearingOption),
                                                  optionBuffer_, WaitPlan::clearingOptionRead());
        const bool ok = n >= 3 && optionBuffer_[0] == code::ReadClearingOption;
        if (ok)
            received_.clearingOption = optionBuffer_[2];
        optionBuffer_.fill(0);
        if (n == 0)
            return Outcome::failure(msg::ConfigParametersTimeout,
                                    std::string(loadString(msg::ConfigParametersTimeout)));
        // A reply cut short after its code has no value byte: it is refused.
        if (!ok)
            return Outcome::failure(msg::ConfigParametersError,
                                    std::string(loadString(msg::ConfigParametersError)));
    }
    if (sendsProfibusConfig(device, firmwareVersion_)) {
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
        if (!ok)
            return Outcome::failure(msg::ProfibusUploadFailed,
                                    std::string(loadString(msg::ProfibusUploadFailed)));
    }
    return Outcome::success();
}

} // namespace brenmoor
