#pragma once

#include "core/compare/config_diff.h"
#include "core/model/project.h"
#include "core/resources/outcome.h"
#include "core/serial/clock.h"
#include "core/serial/serial_port.h"
#include "core/serial/transfer_view.h"

#include <vector>

namespace brenmoor {

// What Upload Configuration read.
struct UploadResult {
    Outcome outcome;
    // On success the document as the upload leaves it: the gateway's store
    // and family, the upload's marks. On failure the document unchanged.
    Project project;
};

// Upload Configuration for the window and the command line alike: reads the
// gateway with the flags of `document` into a copy and applies the upload
// to it once every reply is in. The document itself is never touched, so
// this may run on a thread of its own; the front end puts the result in
// place (the window rebuilds its tree, the command line saves).
UploadResult uploadConfiguration(SerialPort& port, Clock& clock, const Project& document,
                                 TransferView& view, const TransferProgress& progress = {});

// What Compare with Gateway found.
struct GatewayComparison {
    Outcome outcome; // a failed read, with the upload's message
    // compareConfigurations(document, what the gateway holds); the front end
    // chooses which of them it lists (differsInGateway()).
    std::vector<ConfigDifference> differences;
};

// Compare with Gateway: the gateway's configuration is read as an upload
// reads it, with the document's flags choosing the optional blocks, and
// compared with the document. Never changes the document.
GatewayComparison compareWithGateway(SerialPort& port, Clock& clock, const Project& document,
                                     TransferView& view, const TransferProgress& progress = {});

} // namespace brenmoor
