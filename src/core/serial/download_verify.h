#pragma once

#include "core/model/project.h"
#include "core/resources/outcome.h"
#include "core/serial/clock.h"
#include "core/serial/serial_port.h"
#include "core/serial/transfer_view.h"

#include <string>
#include <vector>

namespace brenmoor {

// What reading a download back found.
struct VerifyReport {
    Outcome outcome; // failed: a read of the gateway failed, with the upload's message
    std::vector<std::string> differences; // one line per field; empty: the gateway holds it all
    bool verified() const { return outcome.ok() && differences.empty(); }
};

// Reads back what a download just wrote (DeviceNet block, first subnet's
// block, command count and packets, and the optional blocks the download
// sent for this firmware version) and compares it byte for byte with what
// the download sent. Never changes the project. Shows its progress in the
// view's verify line.
VerifyReport verifyDownload(SerialPort& port, Clock& clock, const Project& project,
                            int firmwareVersion, TransferView& view,
                            TransferProgress progress = {});

} // namespace brenmoor
