#pragma once

#include "core/resources/message_id.h"
#include "core/serial/code_tables.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace brenmoor {

// How the bytes of one field read as the text the grid would show.
enum class ByteForm { Number, Word, Tens, Hex, Table, Switch, Interface, FrameControl };

// Where one field lies in a gateway block, under the label the grid gives it.
struct ByteField {
    size_t first;
    size_t size;
    MessageId label;
    ByteForm form;
    std::span<const CodeText> table = {};
};

// The fields of the DeviceNet block, of the subnet block and of a command
// record, in byte order. Byte 13 of the subnet block is the frame control in
// common mode and the command status otherwise; the swap byte of a command
// reads as a data filter under the data-filter flag.
std::span<const ByteField> deviceNetLayout();
std::span<const ByteField> subnetLayout(bool commonMode);
std::span<const ByteField> commandLayout(bool dataFilter);

// The field's bytes read back as a text ("4010", "Automatic", "200").
std::string formatField(const ByteField& field, std::span<const uint8_t> block);

// The bytes the field of that label occupies in `block`; empty when the
// layout has no such field.
std::span<const uint8_t> fieldBytes(std::span<const ByteField> layout, MessageId label,
                                    std::span<const uint8_t> block);

} // namespace brenmoor
