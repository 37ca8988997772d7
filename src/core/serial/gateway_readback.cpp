#include "core/serial/gateway_readback.h"

#include "core/resources/messages_serial.h"
#include "core/resources/string_table.h"

namespace brenmoor {

Outcome readGatewayConfiguration(SerialPort&, Clock&, Project&, TransferView&, TransferProgress) {
    return Outcome::failure(msg::UploadError, std::string(loadString(msg::UploadError)));
}

} // namespace brenmoor
