#pragma once

#include "core/model/device_settings.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_editor.h"
#include "core/serial/block_field.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brenmoor {

// One field's text (and paired text) into its bytes of `block`.
void encodeField(const ByteField& field, std::string_view text, std::string_view paired,
                 std::span<uint8_t> block);

// One field's bytes into its text; `paired` is set only by the encodings that
// have a second text. A text the bytes give no reading of is left alone.
void decodeField(const ByteField& field, std::span<const uint8_t> block, std::string& text,
                 std::string* paired);

// How the read-back check shows a field's bytes. EveryByte differs only for
// counted bytes, whose bytes past the count are otherwise not shown.
enum class Shown { AsText, EveryByte };

// The field's bytes read back as a text ("4010", "Automatic", "200").
std::string formatField(const ByteField& field, std::span<const uint8_t> block,
                        Shown shown = Shown::AsText);

// The fields of a layout that hold under the flags, into the bytes of `block`.
template <typename Record>
void encodeFields(std::span<const Field<Record>> fields, const Record& record,
                  std::span<uint8_t> block, const DeviceSettings& device) {
    static const std::string none;
    for (const Field<Record>& f : fields)
        if (f.travel != Travel::ReadOnly && holds(f.under, device))
            encodeField(f.bytes, f.text.read(record), f.paired ? f.paired.read(record) : none,
                        block);
}

// Whether an upload takes the field into the store, given the block it is in.
template <typename Record>
bool readsBack(const Field<Record>& field, std::span<const Field<Record>> fields,
               std::span<const uint8_t> block, const DeviceSettings& device) {
    if (!holds(field.under, device))
        return false;
    switch (field.travel) {
    case Travel::Both:
    case Travel::ReadOnly:
        return true;
    case Travel::ReadWithCommandStatus:
        return device.commandStatus;
    case Travel::ReadForPulseOutput:
        for (const Field<Record>& f : fields)
            if (f.bytes.label == msg::LabelOutputMode)
                return formatField(f.bytes, block) == text::PulseOutput;
        return false;
    }
    return true;
}

// The fields of a layout that an upload reads back, from `block` into the record.
template <typename Record>
void decodeFields(std::span<const Field<Record>> fields, std::span<const uint8_t> block,
                  Record& record, const DeviceSettings& device) {
    for (const Field<Record>& f : fields)
        if (readsBack(f, fields, block, device))
            decodeField(f.bytes, block, f.text.edit(record),
                        f.paired ? &f.paired.edit(record) : nullptr);
}

} // namespace brenmoor
