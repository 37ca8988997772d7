#include "core/serial/command_layout.h"

#include "core/resources/messages_editor.h"
#include "core/serial/frame.h"

#include <array>

namespace brenmoor {

namespace {

constexpr std::array<Field<INSTRUCTION>, 9> kFields{{
    {{0, 1, msg::LabelNodeSlaveAddress, Encoding::Number}, at<&INSTRUCTION::slaveAddress>},
    {{1, 1, msg::LabelFunctionCode, Encoding::FunctionCode}, at<&INSTRUCTION::functionCode>},
    {{2, 2, msg::LabelStartingAddress, Encoding::Word}, at<&INSTRUCTION::startAddress>},
    {{4, 2, msg::LabelNumberOfData, Encoding::Word}, at<&INSTRUCTION::dataCount>},
    {{6, 2, msg::LabelMappingAddress, Encoding::HexWord}, at<&INSTRUCTION::mapAddress>},
    {{8, 1, msg::LabelBitOffset, Encoding::Number}, at<&INSTRUCTION::bitOffset>},
    // Any text but the fast scan is a slow scan.
    {{9, 1, msg::LabelTypeOfScan, Encoding::Table, kScanTypes, 1}, at<&INSTRUCTION::scanType>},
    {{10, 1, msg::LabelByteSwap, Encoding::SwapMode, kSwapModes},
     at<&INSTRUCTION::swapMode>,
     {},
     Travel::Both,
     Under::NoDataFilter},
    {{10, 1, msg::LabelDataFilter, Encoding::SwapMode, kFilterSwapModes},
     at<&INSTRUCTION::swapMode>,
     {},
     Travel::Both,
     Under::DataFilter},
}};
static_assert(apart(kFields) && fitsIn(kFields, kCommandRecordSize));

} // namespace

std::span<const Field<INSTRUCTION>> commandFields() {
    return kFields;
}

} // namespace brenmoor
