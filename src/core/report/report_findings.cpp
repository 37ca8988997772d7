#include "core/report/report_findings.h"

#include "core/mapping/auto_mapping.h"
#include "core/mapping/completeness_check.h"
#include "core/mapping/mapping_numbers.h"
#include "core/resources/collecting_prompter.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_documents.h"
#include "core/resources/messages_mapping.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

namespace brenmoor {

namespace {

// The bytes of a grid an entry covers: input addresses in the input grid,
// write addresses below 0x4000 in the input grid, the others in the output
// grid (less 0x4000).
bool covers(const ConflictEntry& entry, MapArea area, int first, int last) {
    const Footprint& f = entry.footprint;
    if (f.map == Footprint::Map::None || f.bitCount <= 0)
        return false;
    int64_t begin = f.firstBit / 8;
    int64_t end = (f.firstBit + f.bitCount - 1) / 8;
    const bool inInputGrid = f.map == Footprint::Map::Input || begin < kOutputAreaStart;
    if (inInputGrid != (area == MapArea::Input))
        return false;
    if (area == MapArea::Output) {
        begin -= kOutputAreaStart;
        end -= kOutputAreaStart;
    }
    return begin <= last && end >= first;
}

std::string entryName(const ConflictEntry& entry) {
    if (entry.subnet < 0)
        return conflictEntryText(entry);
    std::string name = fillIn(msg::ReportCommandName,
                              {std::to_string(entry.command + 1), conflictEntryText(entry)});
    if (entry.subnet != 0)
        name += " (" + std::string(loadString(msg::SubnetRoot)) + " " +
                std::to_string(entry.subnet + 1) + ")";
    return name;
}

std::vector<std::string> conflicts(const Project& project) {
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(project, state);
    std::vector<std::string> lines;
    for (const MapArea area : {MapArea::Input, MapArea::Output}) {
        const MessageId areaName =
            area == MapArea::Input ? msg::InputAreaLabel : msg::OutputAreaLabel;
        const int base = area == MapArea::Input ? 0 : kOutputAreaStart;
        for (int byte = 0; byte < kInputBytes; ++byte) {
            if (maps.cellColour(area, byte) != MapColour::Red)
                continue;
            int last = byte;
            while (last + 1 < kInputBytes && maps.cellColour(area, last + 1) == MapColour::Red)
                ++last;
            std::string names;
            for (const ConflictEntry& entry : maps.entries())
                if (covers(entry, area, byte, last))
                    names += (names.empty() ? "" : ", ") + entryName(entry);
            lines.push_back(
                last == byte
                    ? fillIn(msg::ReportConflictByte,
                             {loadString(areaName), upperHex(base + byte), names})
                    : fillIn(msg::ReportConflictBytes, {loadString(areaName), upperHex(base + byte),
                                                        upperHex(base + last), names}));
            byte = last;
        }
    }
    return lines;
}

std::vector<std::string> checks(const Project& project) {
    // The check recomputes byte counts on its way: it runs on a copy.
    Project copy = project;
    MappingState state;
    CollectingPrompter prompter;
    if (runCompletenessCheck(copy, state, prompter))
        return {};
    return prompter.messages();
}

} // namespace

ReportFindings findReportFindings(const Project& project, const std::vector<IoMapRow>& ioMap) {
    ReportFindings findings;
    findings.conflicts = conflicts(project);
    findings.checks = checks(project);
    const IoDataEnds ends = ioDataEnds(ioMap);
    if (project.device.model12 && exceedsGatewayTotal(ends.input, ends.output)) {
        const int64_t output = ends.output - kOutputAreaStart;
        findings.overflow.emplace_back(loadString(msg::MappingAddressExceeds));
        findings.overflow.push_back(
            fillIn(msg::ReportOverflowTotal,
                   {std::to_string(ends.input), std::to_string(output),
                    std::to_string(ends.input + output), std::to_string(kModel12TotalBytes)}));
    }
    return findings;
}

} // namespace brenmoor
