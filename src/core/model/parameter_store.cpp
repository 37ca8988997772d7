#include "core/model/parameter_store.h"

#include "core/model/device_settings.h"
#include "core/model/store_texts.h"

#include <utility>

namespace brenmoor {
namespace {

FIELDBUS defaultFieldbus() {
    FIELDBUS f;
    f.fieldbusType = text::DeviceNet;
    f.stationAddress = "0";
    f.fieldbusBaud = text::Automatic;
    f.inputSize = "64";
    f.outputSize = "64";
    f.profibusConfigMode = text::UseNumberOfBytes;
    f.profibusConfigData = "";
    f.ipMode = text::ManuallyAssign;
    f.ipAddress = "192.168.0.110";
    f.subnetMask = "255.255.255.0";
    f.gatewayAddress = "192.168.0.1";
    f.dns1 = "0.0.0.0";
    f.dns2 = "0.0.0.0";
    return f;
}

MASTERPARAM defaultMaster() {
    MASTERPARAM m;
    m.masterBaud = "19200";
    m.masterDataBits = "8";
    m.masterParity = "None";
    m.masterStopBits = "1";
    m.masterTransmission = text::Rtu;
    m.responseTimeout = "300";
    m.pollDelay = "0";
    m.outputMode = text::ChangeOfValue;
    m.outputPulse = text::NotSet;
    m.scanRate = "10";
    m.commandStatus = text::Close;
    m.timeoutAction = text::TimeoutClearedAction;
    m.timeoutCount = "3";
    return m;
}

SLAVEPARAM defaultSlave() {
    SLAVEPARAM s;
    s.slaveBaud = "19200";
    s.slaveDataBits = "8";
    s.slaveParity = "None";
    s.slaveStopBits = "1";
    s.slaveAddress = "";
    s.slaveTransmission = text::Rtu;
    return s;
}

CUSTOMPARAM defaultCustom() {
    CUSTOMPARAM c;
    c.customBaud = "300";
    c.customDataBits = "8";
    c.customParity = "None";
    c.customStopBits = "1";
    return c;
}

// startChar and terminator are not part of the defaults: they keep their text.
void resetCommon(COMMONPARAM& c) {
    c.commonBaud = "19200";
    c.commonDataBits = "8";
    c.commonParity = "None";
    c.commonStopBits = "1";
    c.frameControl = text::CharacterTimeout;
    c.charTimeout = "10";
    c.charCount = "111";
    c.autoSend = text::Close;
    c.autoSendCycle = "1000";
    c.useCrc = text::Close;
    c.commInterface = text::Rs485;
    c.debugInterface = text::Rs232;
    c.validLength = text::Close;
}

void convertOldText(std::string& field, std::string_view from, std::string_view to) {
    if (field == from)
        field = to;
}

} // namespace

NODE defaultNode() {
    return NODE{std::string(text::NotSet), std::string(text::NewNode)};
}

INSTRUCTION defaultInstruction(const DeviceSettings& settings) {
    INSTRUCTION command;
    command.scanType = text::FastScan;
    command.swapMode = settings.dataFilter ? text::FullWord : text::NoSwap;
    return command;
}

void ResetToDefaults(ParameterStore& store, const DeviceSettings& settings) {
    store.fieldbus = defaultFieldbus();
    store.subnets[0].doubleFaultClear = text::Open;
    for (CONFIG& subnet : store.subnets) {
        subnet.protocolMode = text::ModbusMaster;
        subnet.nodeCount = 0;
        subnet.commandCount = 0;
        subnet.master = defaultMaster();
        subnet.slave = defaultSlave();
        subnet.custom = defaultCustom();
        resetCommon(subnet.common);
        subnet.nodes.fill(defaultNode());
        subnet.commands.fill(defaultInstruction(settings));
    }
    if (settings.commonMode)
        store.subnets[0].protocolMode = text::CommonMode;
}

ProjectRecords CopyToRecords(const ParameterStore& store) {
    ProjectRecords records;
    records.fieldbus = store.fieldbus;
    for (int s = 0; s < kSubnetCount; ++s) {
        const CONFIG& from = store.subnets[s];
        CONFIG& to = records.configs[s];
        to.doubleFaultClear = from.doubleFaultClear;
        to.protocolMode = from.protocolMode;
        to.master = from.master;
        to.slave = from.slave;
        to.custom = from.custom;
        to.common = from.common;
        to.nodeCount = from.nodeCount;
        to.commandCount = from.commandCount;
        for (int n = 0; n < from.nodeCount && n < kMaxNodes; ++n)
            to.nodes[n] = from.nodes[n];
        for (int c = 0; c < from.commandCount && c < kMaxCommands; ++c)
            to.commands[c] = from.commands[c];
    }
    return records;
}

void CopyFromRecords(ParameterStore& store, const ProjectRecords& records) {
    store.fieldbus = records.fieldbus;
    for (int s = 0; s < kSubnetCount; ++s)
        store.subnets[s] = records.configs[s];

    for (CONFIG& subnet : store.subnets) {
        for (INSTRUCTION& command : subnet.commands) {
            convertOldText(command.swapMode, "no swap", text::NoSwap);
            convertOldText(command.swapMode, "double-byte swap", text::TwoBytesSwap);
            convertOldText(command.swapMode, "four-byte swap", text::FourBytesSwap);
        }
    }
    convertOldText(store.fieldbus.fieldbusBaud, "Automatic Listener", text::Automatic);
    convertOldText(store.fieldbus.ipMode, "Static configuration", text::ManuallyAssign);
}

} // namespace brenmoor
