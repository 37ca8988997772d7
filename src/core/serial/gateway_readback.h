#pragma once

#include "core/model/project.h"
#include "core/resources/outcome.h"
#include "core/serial/clock.h"
#include "core/serial/serial_port.h"
#include "core/serial/transfer_view.h"

namespace brenmoor {

// Reads a gateway's configuration with the upload's requests into `into`
// (its flags choose the optional blocks, as for an upload) without touching
// any document: Compare with Gateway and `diff --port`. The view shows the
// upload's progress lines.
Outcome readGatewayConfiguration(SerialPort& port, Clock& clock, Project& into, TransferView& view,
                                 TransferProgress progress = {});

} // namespace brenmoor
