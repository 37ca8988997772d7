#pragma once

#include "core/resources/message_id.h"
#include "core/serial/block_field.h"
#include "core/serial/field_codec.h"

#include <cstdint>
#include <span>

namespace brenmoor {

// The fields of each block as the read-back check and the comparison see
// them: what a download sends, in byte order, without the store's side.
// Byte 13 of the subnet block is the frame control in common mode and the
// command status otherwise; the swap byte of a command reads as a data
// filter under the data-filter flag; the clearing option is the double-fault
// choice under the double-fault flag and the timeout count otherwise.
std::span<const ByteField> deviceNetLayout();
std::span<const ByteField> subnetLayout(bool commonMode);
std::span<const ByteField> commandLayout(bool dataFilter);
std::span<const ByteField> clearingOptionLayout(bool doubleFault);
std::span<const ByteField> profibusConfigLayout();

// The field of that label; nothing when the layout has no such field.
const ByteField* fieldOf(std::span<const ByteField> layout, MessageId label);

// The bytes the field of that label occupies in `block`; empty when the
// layout has no such field.
std::span<const uint8_t> fieldBytes(std::span<const ByteField> layout, MessageId label,
                                    std::span<const uint8_t> block);

} // namespace brenmoor
