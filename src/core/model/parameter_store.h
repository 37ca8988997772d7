#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/model/store_texts.h"

namespace brenmoor {

inline constexpr int kSubnetCount = 4;
inline constexpr int kMaxNodes = 48;
inline constexpr int kMaxCommands = 48;

// Every parameter is the exact text the property grid shows; "-1" means
// "not set" and an empty text "nothing entered yet".
struct FIELDBUS {
    std::string fieldbusType;
    std::string stationAddress;
    std::string fieldbusBaud;
    std::string inputSize;
    std::string outputSize;
    std::string profibusConfigMode;
    std::string profibusConfigData;
    std::string ipMode;
    std::string ipAddress;
    std::string subnetMask;
    std::string gatewayAddress;
    std::string dns1;
    std::string dns2;

    friend bool operator==(const FIELDBUS&, const FIELDBUS&) = default;
};

struct MASTERPARAM {
    std::string masterBaud;
    std::string masterDataBits;
    std::string masterParity;
    std::string masterStopBits;
    std::string masterTransmission;
    std::string responseTimeout;
    std::string pollDelay;
    std::string outputMode;
    std::string outputPulse;
    std::string scanRate;
    std::string commandStatus;
    std::string timeoutAction;
    std::string timeoutCount;

    friend bool operator==(const MASTERPARAM&, const MASTERPARAM&) = default;
};

struct SLAVEPARAM {
    std::string slaveBaud;
    std::string slaveDataBits;
    std::string slaveParity;
    std::string slaveStopBits;
    std::string slaveAddress;
    std::string slaveTransmission;

    friend bool operator==(const SLAVEPARAM&, const SLAVEPARAM&) = default;
};

struct CUSTOMPARAM {
    std::string customBaud;
    std::string customDataBits;
    std::string customParity;
    std::string customStopBits;

    friend bool operator==(const CUSTOMPARAM&, const CUSTOMPARAM&) = default;
};

struct COMMONPARAM {
    std::string commonBaud;
    std::string commonDataBits;
    std::string commonParity;
    std::string commonStopBits;
    std::string frameControl;
    std::string charTimeout;
    std::string charCount;
    std::string autoSend;
    std::string autoSendCycle;
    std::string useCrc;
    std::string commInterface;
    std::string debugInterface;
    std::string validLength;
    std::string startChar;
    std::string terminator;

    friend bool operator==(const COMMONPARAM&, const COMMONPARAM&) = default;
};

struct NODE {
    std::string address;
    std::string name;

    friend bool operator==(const NODE&, const NODE&) = default;
};

struct INSTRUCTION {
    std::string slaveAddress;
    std::string functionCode;
    std::string startAddress;
    std::string dataCount;
    std::string mapAddress;
    std::string bitOffset;
    std::string byteCount;
    std::string swapMode;
    std::string checkType;
    std::string scanType;
    int32_t nodeNumber = 0;

    friend bool operator==(const INSTRUCTION&, const INSTRUCTION&) = default;
};

struct CONFIG {
    std::string doubleFaultClear;
    std::string protocolMode;
    MASTERPARAM master;
    SLAVEPARAM slave;
    CUSTOMPARAM custom;
    COMMONPARAM common;
    int32_t nodeCount = 0;
    int32_t commandCount = 0;
    std::array<NODE, kMaxNodes> nodes;
    std::array<INSTRUCTION, kMaxCommands> commands;

    friend bool operator==(const CONFIG&, const CONFIG&) = default;
};

// The one in-memory copy of the configuration being edited. Only subnet 0 is
// shown and edited; subnets 1 to 3 are carried through files unchanged.
struct ParameterStore {
    FIELDBUS fieldbus;
    std::array<CONFIG, kSubnetCount> subnets;

    friend bool operator==(const ParameterStore&, const ParameterStore&) = default;
};

// The five records a project file holds; built fresh for every save and load.
struct ProjectRecords {
    FIELDBUS fieldbus;
    std::array<CONFIG, kSubnetCount> configs;
};

struct DeviceSettings;

// The four line settings (baud rate, data bits, parity, stop bits) of the
// parameter group a protocol mode uses; nothing for a mode the store does
// not know. Config is CONFIG or const CONFIG, and the pointers follow it.
template <typename Text> struct LineSettingFields {
    Text* baud;
    Text* dataBits;
    Text* parity;
    Text* stopBits;
};

template <typename Config>
auto lineSettingFields(Config& c, std::string_view protocolMode)
    -> std::optional<LineSettingFields<std::remove_reference_t<decltype((c.master.masterBaud))>>> {
    using Fields = LineSettingFields<std::remove_reference_t<decltype((c.master.masterBaud))>>;
    if (protocolMode == text::ModbusMaster)
        return Fields{&c.master.masterBaud, &c.master.masterDataBits, &c.master.masterParity,
                      &c.master.masterStopBits};
    if (protocolMode == text::ModbusSlave)
        return Fields{&c.slave.slaveBaud, &c.slave.slaveDataBits, &c.slave.slaveParity,
                      &c.slave.slaveStopBits};
    if (protocolMode == text::CustomProtocol)
        return Fields{&c.custom.customBaud, &c.custom.customDataBits, &c.custom.customParity,
                      &c.custom.customStopBits};
    if (protocolMode == text::CommonMode)
        return Fields{&c.common.commonBaud, &c.common.commonDataBits, &c.common.commonParity,
                      &c.common.commonStopBits};
    return std::nullopt;
}

// The default configuration for the current flags. The fields it leaves
// alone (doubleFaultClear of subnets 1 to 3, startChar, terminator) keep
// what they hold.
void ResetToDefaults(ParameterStore& store, const DeviceSettings& settings);

// What a node or command slot holds when it is not in use.
NODE defaultNode();
INSTRUCTION defaultInstruction(const DeviceSettings& settings);

// Fresh records for saving: every field, the nodes and commands in use only.
ProjectRecords CopyToRecords(const ParameterStore& store);

// Records read from a file into the store, with the old texts of earlier
// editions converted. The caller rebuilds the tree.
void CopyFromRecords(ParameterStore& store, const ProjectRecords& records);

} // namespace brenmoor
