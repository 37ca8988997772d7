#pragma once

#include "core/serial/received_data.h"

#include <cstdint>
#include <span>

namespace brenmoor {

// Validates a reply as the download accepts it: returns its first byte when
// it is one of the download's replies with the right length byte and
// checksum, else 0. A device information reply is kept in `received`.
// Only the bytes given are looked at: a reply shorter than its form is
// invalid.
uint8_t parseReplyDownload(std::span<const uint8_t> reply, ReceivedData& received);

// The upload's validation, which also keeps the contents of the subnet block,
// command count, command-list packet and DeviceNet block replies. A device
// type of 5 is refused unless the double-fault flag is set.
uint8_t parseReplyUpload(std::span<const uint8_t> reply, ReceivedData& received, bool doubleFault);

} // namespace brenmoor
