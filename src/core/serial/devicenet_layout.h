#pragma once

#include "core/model/parameter_store.h"
#include "core/serial/block_field.h"

#include <span>

namespace brenmoor {

// The DeviceNet block (requests 0x21 and 0x22): the station address, the
// baud rate and the two buffer sizes.
std::span<const Field<FIELDBUS>> deviceNetFields();

} // namespace brenmoor
