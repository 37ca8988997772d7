#include "core/report/io_map.h"

#include "core/editor/page_catalogue.h"
#include "core/editor/property_pages.h"
#include "core/mapping/mapping_numbers.h"
#include "core/model/shown_text.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_documents.h"
#include "core/resources/messages_editor.h"
#include "core/resources/string_table.h"

#include <algorithm>
#include <cctype>

namespace brenmoor {

namespace {

// The bytes a footprint touches.
int64_t footprintBytes(const Footprint& footprint) {
    if (footprint.bitCount <= 0)
        return 0;
    return (footprint.firstBit + footprint.bitCount - 1) / 8 - footprint.firstBit / 8 + 1;
}

std::string shownRow(Project& project, int command, MessageId label) {
    PageSubject page = pageSubject(project, ItemKind::Command, command, false);
    for (const PageRow& row : pageRows(ItemKind::Command))
        if (row.label.text == label)
            return shownCellText(row.cell, page);
    return {};
}

// The maps paint an address that is empty or not a number at byte 0, as
// the gateway would place it; the PLC programmer must not be sent there.
bool hasMapAddress(const INSTRUCTION& command) {
    return !command.mapAddress.empty() &&
           std::isxdigit(static_cast<unsigned char>(command.mapAddress.front()));
}

IoMapRow commandRow(Project& project, const ConflictEntry& entry,
                    const FunctionCodeRecord& record) {
    const CONFIG& subnet = project.store.subnets[0];
    const INSTRUCTION& command = subnet.commands[static_cast<size_t>(entry.command)];
    IoMapRow row;
    const int number = entry.command + 1;
    if (entry.footprint.map == Footprint::Map::None || !hasMapAddress(command)) {
        row.direction = record.read ? MapArea::Input : MapArea::Output;
        row.length =
            record.layoutSize(leadingDecimal(command.dataCount), leadingDecimal(command.bitOffset));
    } else {
        const int64_t address = entry.footprint.firstBit / 8;
        // A read command always fills the input, wherever its address lies;
        // only a write's address tells which data it comes from.
        row.direction =
            record.read || address < kOutputAreaStart ? MapArea::Input : MapArea::Output;
        row.offset = row.direction == MapArea::Input ? address : address - kOutputAreaStart;
        row.length = footprintBytes(entry.footprint);
    }
    if (record.bits)
        row.bitOffset = shownValue(command.bitOffset);
    row.byteSwap = shownRow(project, number, msg::LabelByteSwap);
    const int node = command.nodeNumber;
    row.node = node >= 1 && node <= std::min(subnet.nodeCount, kMaxNodes)
                   ? subnet.nodes[static_cast<size_t>(node - 1)].name
                   : shownValue(command.slaveAddress);
    row.command = fillIn(msg::ReportCommandName, {std::to_string(number), loadString(record.name)});
    return row;
}

int rank(const IoMapRow& row) {
    if (!row.offset)
        return 2;
    return row.direction == MapArea::Input ? 0 : 1;
}

} // namespace

std::vector<IoMapRow> buildIoMap(const Project& project) {
    // The page's texts are read from a copy: showing a page refreshes what
    // a command copies from its node and its subnet.
    Project copy = project;
    std::vector<IoMapRow> rows;
    for (const ConflictEntry& entry : buildConflictEntries(copy)) {
        if (entry.code == kStatusEntryCode) {
            IoMapRow status;
            status.offset = entry.footprint.firstBit / 8;
            status.length = footprintBytes(entry.footprint);
            status.command = conflictEntryText(entry);
            rows.push_back(status);
            continue;
        }
        const FunctionCodeRecord* record = functionCodeRecord(entry.code);
        if (entry.subnet != 0 || !record)
            continue; // the gateway runs the first subnet only
        rows.push_back(commandRow(copy, entry, *record));
    }
    std::stable_sort(rows.begin(), rows.end(), [](const IoMapRow& a, const IoMapRow& b) {
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        return a.offset.value_or(0) < b.offset.value_or(0);
    });
    return rows;
}

IoDataEnds ioDataEnds(const std::vector<IoMapRow>& rows) {
    IoDataEnds ends{0, kOutputAreaStart};
    for (const IoMapRow& row : rows) {
        if (!row.offset)
            continue;
        if (row.direction == MapArea::Input)
            ends.input = std::max(ends.input, *row.offset + row.length);
        else
            ends.output = std::max(ends.output, kOutputAreaStart + *row.offset + row.length);
    }
    return ends;
}

} // namespace brenmoor
