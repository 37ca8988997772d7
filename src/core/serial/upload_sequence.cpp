#include "core/serial/upload_sequence.h"

#include "core/resources/messages_serial.h"
#include "core/resources/string_table.h"
#include "core/serial/image_codec.h"

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
    : reader_(port, clock), view_(view), progress_(std::move(progress)) {
    reader_.setExchanged([this] { counted(); });
}

void UploadSequence::show() {
    if (progress_)
        progress_(view_);
}

void UploadSequence::counted() {
    TransferCount& count = view_.count;
    count.countRequest(readRequests(*device_, reader_.facts(), true));
    if (const auto commands = reader_.facts().commandCount; commands && *commands > 0) {
        const auto& records = reader_.received().commands[0];
        count.commands = *commands;
        count.command = static_cast<int>(std::min<std::ptrdiff_t>(
            std::ranges::count_if(records, [](const auto& r) { return r.has_value(); }),
            *commands));
    }
    show();
}

// The blocks' failures also take the status and step lines away.
Outcome UploadSequence::failBlock(Outcome failed) {
    view_.lineA.clear();
    view_.lineB.clear();
    view_.stepLinesVisible = false;
    show();
    return failed;
}

Outcome UploadSequence::run(Project& project) {
    const DeviceSettings& device = project.device;
    device_ = &device;
    reader_.reset();
    view_.count = {0, readRequests(device, reader_.facts(), true), 0, 0};
    view_.iconsHaveCheckMark = true;
    view_.iconsVisible = false;
    view_.lineB = loadString(msg::UploadingPleaseWait);
    show();

    if (Outcome info = reader_.readDeviceInfo(device); !info)
        return info;

    view_.stepLines = {std::string(loadString(msg::UploadingDeviceNet)),
                       std::string(loadString(msg::UploadingModbusParameters)),
                       std::string(loadString(msg::UploadingModbusCommands))};
    view_.stepLinesVisible = true;
    view_.iconsVisible = true;
    show();

    if (Outcome read = reader_.readMainBlocks(device); !read)
        return failBlock(std::move(read));
    if (Outcome read = reader_.readOptionalBlocks(device, reader_.firmwareVersion()); !read)
        return read;

    applyUpload(project, reader_.received());
    view_.lineA.clear();
    view_.lineB = loadString(msg::UploadSuccessful);
    show();
    return Outcome::success();
}

} // namespace brenmoor
