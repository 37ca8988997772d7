#include "core/model/store_fields.h"

namespace brenmoor {
namespace {

#define CONFIG_FIELD(path, field)                                                                  \
    ConfigField {                                                                                  \
#field, [](CONFIG & c) -> std::string& { return c.path; }                                  \
    }

constexpr FieldbusField kFieldbusFields[] = {
    {"fieldbusType", &FIELDBUS::fieldbusType},
    {"stationAddress", &FIELDBUS::stationAddress},
    {"fieldbusBaud", &FIELDBUS::fieldbusBaud},
    {"inputSize", &FIELDBUS::inputSize},
    {"outputSize", &FIELDBUS::outputSize},
    {"profibusConfigMode", &FIELDBUS::profibusConfigMode},
    {"profibusConfigData", &FIELDBUS::profibusConfigData},
    {"ipMode", &FIELDBUS::ipMode},
    {"ipAddress", &FIELDBUS::ipAddress},
    {"subnetMask", &FIELDBUS::subnetMask},
    {"gatewayAddress", &FIELDBUS::gatewayAddress},
    {"dns1", &FIELDBUS::dns1},
    {"dns2", &FIELDBUS::dns2},
};

const ConfigField kConfigFields[] = {
    CONFIG_FIELD(doubleFaultClear, doubleFaultClear),
    CONFIG_FIELD(protocolMode, protocolMode),
    CONFIG_FIELD(master.masterBaud, masterBaud),
    CONFIG_FIELD(master.masterDataBits, masterDataBits),
    CONFIG_FIELD(master.masterParity, masterParity),
    CONFIG_FIELD(master.masterStopBits, masterStopBits),
    CONFIG_FIELD(master.masterTransmission, masterTransmission),
    CONFIG_FIELD(master.responseTimeout, responseTimeout),
    CONFIG_FIELD(master.pollDelay, pollDelay),
    CONFIG_FIELD(master.outputMode, outputMode),
    CONFIG_FIELD(master.outputPulse, outputPulse),
    CONFIG_FIELD(master.scanRate, scanRate),
    CONFIG_FIELD(master.commandStatus, commandStatus),
    CONFIG_FIELD(master.timeoutAction, timeoutAction),
    CONFIG_FIELD(master.timeoutCount, timeoutCount),
    CONFIG_FIELD(slave.slaveBaud, slaveBaud),
    CONFIG_FIELD(slave.slaveDataBits, slaveDataBits),
    CONFIG_FIELD(slave.slaveParity, slaveParity),
    CONFIG_FIELD(slave.slaveStopBits, slaveStopBits),
    CONFIG_FIELD(slave.slaveAddress, slaveAddress),
    CONFIG_FIELD(slave.slaveTransmission, slaveTransmission),
    CONFIG_FIELD(custom.customBaud, customBaud),
    CONFIG_FIELD(custom.customDataBits, customDataBits),
    CONFIG_FIELD(custom.customParity, customParity),
    CONFIG_FIELD(custom.customStopBits, customStopBits),
    CONFIG_FIELD(common.commonBaud, commonBaud),
    CONFIG_FIELD(common.commonDataBits, commonDataBits),
    CONFIG_FIELD(common.commonParity, commonParity),
    CONFIG_FIELD(common.commonStopBits, commonStopBits),
    CONFIG_FIELD(common.frameControl, frameControl),
    CONFIG_FIELD(common.charTimeout, charTimeout),
    CONFIG_FIELD(common.charCount, charCount),
    CONFIG_FIELD(common.autoSend, autoSend),
    CONFIG_FIELD(common.autoSendCycle, autoSendCycle),
    CONFIG_FIELD(common.useCrc, useCrc),
    CONFIG_FIELD(common.commInterface, commInterface),
    CONFIG_FIELD(common.debugInterface, debugInterface),
    CONFIG_FIELD(common.validLength, validLength),
    CONFIG_FIELD(common.startChar, startChar),
    CONFIG_FIELD(common.terminator, terminator),
};

#undef CONFIG_FIELD

constexpr NodeField kNodeFields[] = {
    {"address", &NODE::address},
    {"name", &NODE::name},
};

constexpr InstructionField kInstructionFields[] = {
    {"slaveAddress", &INSTRUCTION::slaveAddress}, {"functionCode", &INSTRUCTION::functionCode},
    {"startAddress", &INSTRUCTION::startAddress}, {"dataCount", &INSTRUCTION::dataCount},
    {"mapAddress", &INSTRUCTION::mapAddress},     {"bitOffset", &INSTRUCTION::bitOffset},
    {"byteCount", &INSTRUCTION::byteCount},       {"swapMode", &INSTRUCTION::swapMode},
    {"checkType", &INSTRUCTION::checkType},       {"scanType", &INSTRUCTION::scanType},
};

} // namespace

std::span<const FieldbusField> fieldbusFields() {
    return kFieldbusFields;
}
std::span<const ConfigField> configFields() {
    return kConfigFields;
}
std::span<const NodeField> nodeFields() {
    return kNodeFields;
}
std::span<const InstructionField> instructionFields() {
    return kInstructionFields;
}

} // namespace brenmoor
