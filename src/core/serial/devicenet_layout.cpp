#include "core/serial/devicenet_layout.h"

#include "core/resources/messages_compare.h"
#include "core/resources/messages_editor.h"
#include "core/serial/frame.h"

#include <array>

namespace brenmoor {

namespace {

// The block is only ever DeviceNet's: reading it names the fieldbus.
constexpr std::array<CodeText, 1> kDeviceNetType{{{0, text::DeviceNet}}};

constexpr std::array<Field<FIELDBUS>, 5> kFields{{
    {{0, 0, msg::LabelTypeOfProtocol, Encoding::Implied, kDeviceNetType},
     at<&FIELDBUS::fieldbusType>},
    {{0, 1, msg::LabelDeviceNetAddress, Encoding::Number}, at<&FIELDBUS::stationAddress>},
    {{1, 1, msg::LabelDeviceNetBaud, Encoding::Table, kFieldbusBauds}, at<&FIELDBUS::fieldbusBaud>},
    {{2, 1, msg::LabelInputBuffer, Encoding::Table, kInputSizes}, at<&FIELDBUS::inputSize>},
    {{3, 1, msg::LabelOutputBuffer, Encoding::Table, kOutputSizes}, at<&FIELDBUS::outputSize>},
}};
static_assert(apart(kFields) && fitsIn(kFields, kDeviceNetBlockSize));

} // namespace

std::span<const Field<FIELDBUS>> deviceNetFields() {
    return kFields;
}

} // namespace brenmoor
