#pragma once

#include "core/model/parameter_store.h"
#include "core/serial/block_field.h"

#include <span>

namespace brenmoor {

// The input-data clearing option (requests 0x32 and 0x33), one byte of the
// first subnet: under the double-fault flag whether inputs are cleared on a
// double fault, otherwise the timeout count after which they are (0: keep).
std::span<const Field<CONFIG>> clearingOptionFields();

// The Profibus configuration data (requests 0x34 and 0x35): a count and up
// to eight configuration bytes.
std::span<const Field<FIELDBUS>> profibusConfigFields();

} // namespace brenmoor
