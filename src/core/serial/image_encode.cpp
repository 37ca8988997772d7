#include "core/serial/image_codec.h"

#include "core/mapping/profibus_config.h"
#include "core/model/function_code.h"
#include "core/model/number_text.h"
#include "core/model/store_texts.h"
#include "core/serial/block_transfer.h"
#include "core/serial/code_tables.h"

#include <algorithm>
#include <cctype>

namespace brenmoor {

namespace {

int leadingNumber(std::string_view text, int base) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            break;
        value = value * base + digit;
        if (value > 0x7fffffffL)
            value = 0x7fffffffL;
    }
    return static_cast<int>(negative ? -value : value);
}

uint8_t low(int value) {
    return static_cast<uint8_t>(value & 0xff);
}
uint8_t high(int value) {
    return static_cast<uint8_t>((value / 256) & 0xff);
}

void putWord(std::span<uint8_t> block, size_t at, int value) {
    block[at] = high(value);
    block[at + 1] = low(value);
}

} // namespace

int encodedDecimal(std::string_view text) {
    return leadingInt(text);
}
int encodedHex(std::string_view text) {
    return leadingNumber(text, 16);
}

std::array<uint8_t, kDeviceNetBlockSize> encodeDeviceNetBlock(const ParameterStore& store) {
    const FIELDBUS& f = store.fieldbus;
    std::array<uint8_t, kDeviceNetBlockSize> block{};
    block[0] = low(encodedDecimal(f.stationAddress));
    block[1] = codeOf(kFieldbusBauds, f.fieldbusBaud).value_or(0);
    block[2] = codeOf(kInputSizes, f.inputSize).value_or(0);
    block[3] = codeOf(kOutputSizes, f.outputSize).value_or(0);
    return block;
}

std::array<uint8_t, kSubnetBlockSize> encodeSubnetBlock(const ParameterStore& store, int subnet) {
    const CONFIG& c = store.subnets[static_cast<size_t>(subnet)];
    std::array<uint8_t, kSubnetBlockSize> b{};
    // A text of no known mode leaves the cleared byte at 0 and sends no
    // group's fields; only the interface below goes out.
    const std::optional<uint8_t> protocol = codeOf(kProtocolModes, c.protocolMode);
    b[0] = protocol.value_or(0);
    if (const auto line = lineSettingFields(c, c.protocolMode)) {
        b[1] = codeOf(kSubnetBauds, *line->baud).value_or(0);
        b[2] = codeOf(kDataBits, *line->dataBits).value_or(0);
        b[3] = codeOf(kParities, *line->parity).value_or(0);
        b[4] = codeOf(kStopBits, *line->stopBits).value_or(0);
    }
    switch (protocol ? int{*protocol} : -1) {
    case 0: {
        const MASTERPARAM& m = c.master;
        b[6] = codeOf(kTransmissions, m.masterTransmission).value_or(0);
        putWord(b, 7, encodedDecimal(m.responseTimeout));
        b[9] = low(encodedDecimal(m.pollDelay) / 10);
        b[10] = codeOf(kOutputModes, m.outputMode).value_or(0);
        b[11] = low(encodedDecimal(m.outputPulse) / 10);
        b[12] = low(encodedDecimal(m.scanRate));
        b[13] = low(encodedDecimal(m.commandStatus));
        break;
    }
    case 1:
        b[5] = low(encodedDecimal(c.slave.slaveAddress));
        b[6] = codeOf(kTransmissions, c.slave.slaveTransmission).value_or(0);
        break;
    case 3: {
        const COMMONPARAM& k = c.common;
        b[13] = k.frameControl == text::NumberOfCharacters ? 1 : 0;
        putWord(b, 14, encodedDecimal(k.charTimeout));
        b[16] = low(encodedDecimal(k.charCount));
        b[17] = k.autoSend == text::Open ? 1 : 0;
        putWord(b, 18, encodedDecimal(k.autoSendCycle));
        b[20] = k.useCrc == text::Open ? 1 : 0;
        break;
    }
    default:
        break;
    }
    b[21] = c.common.commInterface == text::Rs232 ? 1 : 0;
    return b;
}

std::array<uint8_t, kCommandRecordSize> encodeCommand(const ParameterStore& store, int subnet,
                                                      int command) {
    const INSTRUCTION& k =
        store.subnets[static_cast<size_t>(subnet)].commands[static_cast<size_t>(command)];
    std::array<uint8_t, kCommandRecordSize> r{};
    r[0] = low(encodedDecimal(k.slaveAddress));
    r[1] = low(functionCodeOf(k));
    putWord(r, 2, encodedDecimal(k.startAddress));
    putWord(r, 4, encodedDecimal(k.dataCount));
    putWord(r, 6, encodedHex(k.mapAddress));
    r[8] = low(encodedDecimal(k.bitOffset));
    r[9] = k.scanType == text::FastScan ? 0 : 1;
    r[10] = swapCodeOf(k.swapMode);
    return r;
}

uint8_t encodeClearingOption(const ParameterStore& store, const DeviceSettings& device) {
    const CONFIG& first = store.subnets[0];
    if (device.doubleFault)
        return first.doubleFaultClear == text::Close ? 0 : 1;
    if (first.master.timeoutAction == text::Keep)
        return 0;
    return low(encodedDecimal(first.master.timeoutCount));
}

std::array<uint8_t, kProfibusConfigSize> encodeProfibusConfigData(const ParameterStore& store) {
    std::array<uint8_t, kProfibusConfigSize> data{};
    const FIELDBUS& f = store.fieldbus;
    if (f.profibusConfigMode == text::UseNumberOfBytes)
        return data;
    const std::vector<uint8_t> bytes = profibusConfigBytes(f.profibusConfigData);
    const size_t n = std::min<size_t>(bytes.size(), kProfibusConfigSize - 1);
    std::copy_n(bytes.begin(), n, data.begin() + 1);
    data[0] = static_cast<uint8_t>(n);
    return data;
}

std::vector<uint8_t> deviceNetWriteFrame(const ParameterStore& store) {
    return writeFrame(Block::DeviceNet, {}, encodeDeviceNetBlock(store));
}

std::vector<uint8_t> subnetWriteFrame(const ParameterStore& store, int subnet) {
    const uint8_t address[] = {static_cast<uint8_t>(subnet)};
    return writeFrame(Block::Subnet, address, encodeSubnetBlock(store, subnet));
}

std::vector<uint8_t> commandWriteFrame(const ParameterStore& store, int subnet, int command) {
    const uint8_t address[] = {static_cast<uint8_t>(subnet), static_cast<uint8_t>(command)};
    return writeFrame(Block::Command, address, encodeCommand(store, subnet, command));
}

} // namespace brenmoor
