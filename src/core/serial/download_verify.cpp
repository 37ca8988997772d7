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

    // A field whose bytes differ though its texts read alike is shown by
    // every byte it has.
    void block(const std::string& place, std::span<const ByteField> fields,
               std::span<const uint8_t> gateway, std::span<const uint8_t> sent) {
        for (const ByteField& f : fields) {
            if (std::ranges::equal(gateway.subspan(f.first, f.size), sent.subspan(f.first, f.size)))
                continue;
            std::string held = formatField(f, gateway);
            std::string here = formatField(f, sent);
            if (held == here) {
                held = formatField(f, gateway, Shown::EveryByte);
                here = formatField(f, sent, Shown::EveryByte);
            }
            line(place, f.label, held, here);
        }
    }

    std::vector<std::string> take() { return std::move(lines_); }

  private:
    std::vector<std::string> lines_;
};

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
    const auto subnetFields = subnetLayout(store.subnets[0].protocolMode == text::CommonMode);
    d.block(subnet, subnetFields, gotSubnet, sentSubnet);

    // The gateway's command list is read only while it says it is a Modbus
    // master; a different protocol byte is reported above.
    const ByteField& protocol = *fieldOf(subnetFields, msg::LabelProtocolsMode);
    if (store.subnets[0].protocolMode == text::ModbusMaster &&
        formatField(protocol, gotSubnet) == text::ModbusMaster) {
        const int sent = std::clamp(store.subnets[0].commandCount, 0, kMaxCommands);
        const int held = got.commandCounts[0];
        if (held != sent)
            d.line(subnet, msg::LabelCommandCount, std::to_string(held), std::to_string(sent));
        const auto fields = commandLayout(device.dataFilter);
        // A command on one side only is named by its function code.
        const ByteField& functionCode = *fieldOf(fields, msg::LabelFunctionCode);
        const std::string absent(loadString(msg::CompareAbsent));
        for (int k = 0; k < std::min(std::max(sent, held), kMaxCommands); ++k) {
            const std::string place = fillIn(msg::PlaceListCommand, {"1", std::to_string(k + 1)});
            const auto& record = got.commands[0][static_cast<size_t>(k)];
            if (k < sent && record) {
                d.block(place, fields, *record, encodeCommand(store, 0, k));
            } else if (k < sent) {
                d.line(place, functionCode.label, absent,
                       formatField(functionCode, encodeCommand(store, 0, k)));
            } else if (record) {
                d.line(place, functionCode.label, formatField(functionCode, *record), absent);
            }
        }
    }

    if (sendsClearingOption(device, firmwareVersion) && got.clearingOption) {
        const uint8_t sent = encodeClearingOption(store, device);
        d.block(subnet, clearingOptionLayout(device.doubleFault), {&*got.clearingOption, 1},
                {&sent, 1});
    }
    if (sendsProfibusConfig(device, firmwareVersion) && got.profibusConfig)
        d.block(fieldbus, profibusConfigLayout(), *got.profibusConfig,
                encodeProfibusConfigData(store));
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
    // The download planned these requests with its own; they go on counting.
    reader.setExchanged([&] {
        view.count.countRequest(view.count.requestsPlanned);
        show();
    });
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
