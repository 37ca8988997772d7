#include "core/serial/download_verify.h"

#include "core/compare/message_text.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_compare.h"
#include "core/resources/messages_editor.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"
#include "core/serial/code_tables.h"
#include "core/serial/download_sequence.h"
#include "core/serial/gateway_readback.h"
#include "core/serial/image_codec.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace brenmoor {

namespace {

// How the bytes of one field read as the text the grid would show.
enum class Form { Number, Word, Tens, Hex, Table, Switch, Interface, FrameControl };

struct ByteField {
    size_t first;
    size_t size;
    MessageId label;
    Form form;
    std::span<const CodeText> table = {};
};

std::string formatField(const ByteField& f, std::span<const uint8_t> block) {
    int value = 0;
    for (size_t i = 0; i < f.size; ++i)
        value = value * 256 + block[f.first + i];
    switch (f.form) {
    case Form::Number:
    case Form::Word:
        return std::to_string(value);
    case Form::Tens:
        return std::to_string(value * 10);
    case Form::Hex: {
        char text[8];
        std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(value));
        return text;
    }
    case Form::Table:
        if (const auto t = textOf(f.table, value))
            return std::string(*t);
        return std::to_string(value);
    case Form::Switch:
        return std::string(value != 0 ? text::Open : text::Close);
    case Form::Interface:
        return std::string(value != 0 ? text::Rs232 : text::Rs485);
    case Form::FrameControl:
        return std::string(value != 0 ? text::NumberOfCharacters : text::CharacterTimeout);
    }
    return std::to_string(value);
}

const std::vector<ByteField> kDeviceNetFields = {
    {0, 1, msg::LabelDeviceNetAddress, Form::Number},
    {1, 1, msg::LabelDeviceNetBaud, Form::Table, kFieldbusBauds},
    {2, 1, msg::LabelInputBuffer, Form::Table, kInputSizes},
    {3, 1, msg::LabelOutputBuffer, Form::Table, kOutputSizes},
};

// Byte 13 is the command status of a Modbus master and the frame control
// of the common mode; the sent block's protocol decides.
std::vector<ByteField> subnetFields(bool commonMode) {
    return {
        {0, 1, msg::LabelProtocolsMode, Form::Table, kProtocolModes},
        {1, 1, msg::LabelBaudRate, Form::Table, kSubnetBauds},
        {2, 1, msg::LabelDataBits, Form::Table, kDataBits},
        {3, 1, msg::LabelParityCheck, Form::Table, kParities},
        {4, 1, msg::LabelStopBits, Form::Table, kStopBits},
        {5, 1, msg::LabelSlaveAddress, Form::Number},
        {6, 1, msg::LabelTransmissionMode, Form::Table, kTransmissions},
        {7, 2, msg::LabelResponseTimeout, Form::Word},
        {9, 1, msg::LabelPollDelay, Form::Tens},
        {10, 1, msg::LabelOutputMode, Form::Table, kOutputModes},
        {11, 1, msg::LabelOutputPulse, Form::Tens},
        {12, 1, msg::LabelScanRate, Form::Number},
        commonMode ? ByteField{13, 1, msg::LabelFrameControl, Form::FrameControl}
                   : ByteField{13, 1, msg::LabelCommandStatus, Form::Number},
        {14, 2, msg::LabelCharTimeout, Form::Word},
        {16, 1, msg::LabelCharCount, Form::Number},
        {17, 1, msg::LabelAutoSend, Form::Switch},
        {18, 2, msg::LabelAutoSendCycle, Form::Word},
        {20, 1, msg::LabelUseCrc, Form::Switch},
        {21, 1, msg::LabelCommInterface, Form::Interface},
    };
}

std::vector<ByteField> commandFields(bool dataFilter) {
    return {
        {0, 1, msg::LabelNodeSlaveAddress, Form::Number},
        {1, 1, msg::LabelFunctionCode, Form::Number},
        {2, 2, msg::LabelStartingAddress, Form::Word},
        {4, 2, msg::LabelNumberOfData, Form::Word},
        {6, 2, msg::LabelMappingAddress, Form::Hex},
        {8, 1, msg::LabelBitOffset, Form::Number},
        {9, 1, msg::LabelTypeOfScan, Form::Table, kScanTypes},
        dataFilter ? ByteField{10, 1, msg::LabelDataFilter, Form::Table, kFilterSwapModes}
                   : ByteField{10, 1, msg::LabelByteSwap, Form::Table, kSwapModes},
    };
}

class Differences {
  public:
    void line(const std::string& place, MessageId label, const std::string& gateway,
              const std::string& here) {
        auto shown = [](const std::string& v) {
            return v.empty() ? std::string(loadString(msg::CompareEmptyValue)) : v;
        };
        lines_.push_back(fillIn(msg::VerifyDifferenceLine,
                                {place, loadString(label), shown(gateway), shown(here)}));
    }

    void block(const std::string& place, const std::vector<ByteField>& fields,
               std::span<const uint8_t> gateway, std::span<const uint8_t> sent) {
        for (const ByteField& f : fields)
            if (!std::equal(gateway.begin() + f.first, gateway.begin() + f.first + f.size,
                            sent.begin() + f.first))
                line(place, f.label, formatField(f, gateway), formatField(f, sent));
    }

    std::vector<std::string> take() { return std::move(lines_); }

  private:
    std::vector<std::string> lines_;
};

std::string profibusText(std::span<const uint8_t> data) {
    std::string out;
    const size_t n = std::min<size_t>(data[0], data.size() - 1);
    for (size_t i = 1; i <= n; ++i) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02x ", data[i]);
        out += pair;
    }
    return out;
}

std::string clearingText(uint8_t value, const DeviceSettings& device) {
    if (device.doubleFault)
        return std::string(value != 0 ? text::Open : text::Close);
    return value != 0 ? std::to_string(value) : std::string(text::Keep);
}

std::vector<std::string> compareWithSent(const Project& project, int firmwareVersion,
                                         const ReceivedData& got) {
    const ParameterStore& store = project.store;
    const DeviceSettings& device = project.device;
    Differences d;
    const std::string fieldbus(loadString(msg::FieldbusRoot));
    const std::string subnet = fillIn(msg::PlaceSubnet, {"1"});

    // With the double-fault flag the download leaves the DeviceNet block alone.
    if (!device.doubleFault && got.deviceNetBlock)
        d.block(fieldbus, kDeviceNetFields, *got.deviceNetBlock, encodeDeviceNetBlock(store));

    const auto sentSubnet = encodeSubnetBlock(store, 0);
    const auto& gotSubnet = *got.subnetBlocks[0];
    d.block(subnet, subnetFields(store.subnets[0].protocolMode == text::CommonMode), gotSubnet,
            sentSubnet);

    // The gateway's command list is read only while it says it is a Modbus
    // master; a different protocol byte is reported above.
    if (store.subnets[0].protocolMode == text::ModbusMaster && gotSubnet[0] == 0) {
        const int sent = std::clamp(store.subnets[0].commandCount, 0, kMaxCommands);
        const int held = got.commandCounts[0];
        if (held != sent)
            d.line(subnet, msg::LabelCommandCount, std::to_string(held), std::to_string(sent));
        const auto fields = commandFields(device.dataFilter);
        const std::string absent(loadString(msg::CompareAbsent));
        for (int k = 0; k < std::min(std::max(sent, held), kMaxCommands); ++k) {
            const std::string place = fillIn(msg::PlaceListCommand, {"1", std::to_string(k + 1)});
            const auto& record = got.commands[0][static_cast<size_t>(k)];
            if (k < sent && record) {
                d.block(place, fields, *record, encodeCommand(store, 0, k));
            } else if (k < sent) {
                d.line(place, msg::LabelFunctionCode, absent,
                       std::to_string(encodeCommand(store, 0, k)[1]));
            } else if (record) {
                d.line(place, msg::LabelFunctionCode, std::to_string((*record)[1]), absent);
            }
        }
    }

    if (sendsClearingOption(device, firmwareVersion) && got.clearingOption) {
        const uint8_t sent = encodeClearingOption(store, device);
        if (*got.clearingOption != sent)
            d.line(subnet, device.doubleFault ? msg::LabelDoubleFaultClear : msg::LabelTimeoutCount,
                   clearingText(*got.clearingOption, device), clearingText(sent, device));
    }
    if (sendsProfibusConfig(device, firmwareVersion) && got.profibusConfig) {
        const auto sent = encodeProfibusConfigData(store);
        if (*got.profibusConfig != sent)
            d.line(fieldbus, msg::LabelProfibusConfigData, profibusText(*got.profibusConfig),
                   profibusText(sent));
    }
    return d.take();
}

} // namespace

VerifyReport verifyDownload(SerialPort& port, Clock& clock, const Project& project,
                            int firmwareVersion, TransferView& view, TransferProgress progress) {
    auto show = [&] {
        if (progress)
            progress(view);
    };
    view.verifyLine = loadString(msg::VerifyStep);
    view.verifyPassed = false;
    show();

    GatewayReader reader(port, clock);
    Outcome read = reader.readMainBlocks(project.device);
    if (read)
        read = reader.readOptionalBlocks(project.device, firmwareVersion);
    if (!read) {
        // A gateway that cannot be read back has not been shown to hold
        // anything: never a success.
        view.verifyLine = read.message();
        show();
        return {std::move(read), {}};
    }

    VerifyReport report{Outcome::success(),
                        compareWithSent(project, firmwareVersion, reader.received())};
    view.verifyPassed = report.differences.empty();
    view.verifyLine =
        loadString(report.differences.empty() ? msg::VerifyPassed : msg::VerifyDifferent);
    show();
    return report;
}

} // namespace brenmoor
