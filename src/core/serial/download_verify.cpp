#include "core/serial/download_verify.h"

#include "core/model/store_texts.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_compare.h"
#include "core/resources/messages_editor.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"
#include "core/serial/block_layout.h"
#include "core/serial/download_sequence.h"
#include "core/serial/gateway_readback.h"
#include "core/serial/image_codec.h"

#include <algorithm>

namespace brenmoor {

namespace {

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

    void block(const std::string& place, std::span<const ByteField> fields,
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

// The configuration bytes as the field's text has them: the counted ones,
// or all eight when what differs lies past the count.
std::string profibusText(std::span<const uint8_t> data, bool pastTheCount) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    const size_t n = pastTheCount ? data.size() - 1 : std::min<size_t>(data[0], data.size() - 1);
    for (size_t i = 1; i <= n; ++i) {
        out += kDigits[data[i] >> 4];
        out += kDigits[data[i] & 0x0f];
        out += ' ';
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
        d.block(fieldbus, deviceNetLayout(), *got.deviceNetBlock, encodeDeviceNetBlock(store));

    const auto sentSubnet = encodeSubnetBlock(store, 0);
    const auto& gotSubnet = *got.subnetBlocks[0];
    d.block(subnet, subnetLayout(store.subnets[0].protocolMode == text::CommonMode), gotSubnet,
            sentSubnet);

    // The gateway's command list is read only while it says it is a Modbus
    // master; a different protocol byte is reported above.
    if (store.subnets[0].protocolMode == text::ModbusMaster && gotSubnet[0] == 0) {
        const int sent = std::clamp(store.subnets[0].commandCount, 0, kMaxCommands);
        const int held = got.commandCounts[0];
        if (held != sent)
            d.line(subnet, msg::LabelCommandCount, std::to_string(held), std::to_string(sent));
        const auto fields = commandLayout(device.dataFilter);
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
        if (*got.profibusConfig != sent) {
            const bool pastTheCount =
                profibusText(*got.profibusConfig, false) == profibusText(sent, false);
            d.line(fieldbus, msg::LabelProfibusConfigData,
                   profibusText(*got.profibusConfig, pastTheCount),
                   profibusText(sent, pastTheCount));
        }
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
