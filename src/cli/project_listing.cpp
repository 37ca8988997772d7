#include "cli/project_listing.h"

#include "core/model/store_fields.h"
#include "core/model/text_encoding.h"

#include <iomanip>
#include <string>

namespace brenmoor::cli {
namespace {

void line(std::ostream& out, int indent, std::string_view name, std::string_view value) {
    out << std::string(static_cast<size_t>(indent), ' ') << std::left << std::setw(22) << name
        << " \"" << utf8Text(value) << "\"\n";
}

const char* yesNo(bool value) {
    return value ? "on" : "off";
}

} // namespace

void printProjectListing(std::ostream& out, const Project& project) {
    const DeviceSettings& d = project.device;
    out << "Format version  " << project.formatVersion << '\n'
        << "Device family   " << d.deviceFamily << '\n'
        << "Model code      " << d.modelCode << '\n'
        << "Flags           dataFilter " << yesNo(d.dataFilter) << ", commonMode "
        << yesNo(d.commonMode) << ", doubleFault " << yesNo(d.doubleFault) << ", profibusData "
        << yesNo(d.profibusData) << ", commandStatus " << yesNo(d.commandStatus) << ", delimiter "
        << yesNo(d.delimiter) << ", model12 " << yesNo(d.model12) << ", model11 "
        << yesNo(d.model11) << '\n';

    out << "\nFieldbus\n";
    for (const auto& field : fieldbusFields())
        line(out, 2, field.name, project.store.fieldbus.*field.member);

    for (int s = 0; s < kSubnetCount; ++s) {
        const CONFIG& config = project.store.subnets[s];
        out << "\nSubnet " << s << '\n';
        for (const auto& field : configFields())
            line(out, 2, field.name, field.get(config));
        out << "  Nodes (" << config.nodeCount << ")\n";
        for (int n = 0; n < config.nodeCount; ++n)
            out << "    " << n + 1 << ". address \"" << utf8Text(config.nodes[n].address)
                << "\", name \"" << utf8Text(config.nodes[n].name) << "\"\n";
        out << "  Commands (" << config.commandCount << ")\n";
        for (int c = 0; c < config.commandCount; ++c) {
            const INSTRUCTION& command = config.commands[c];
            out << "    " << c + 1 << ". node " << command.nodeNumber << '\n';
            for (const auto& field : instructionFields())
                line(out, 6, field.name, command.*field.member);
        }
    }
}

} // namespace brenmoor::cli
