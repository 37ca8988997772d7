#include "core/mapping/conflict_maps.h"

#include "core/mapping/mapping_numbers.h"
#include "core/model/function_code.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_mapping.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

#include <algorithm>
#include <cstdio>

namespace brenmoor {
namespace {

// A register read filtered down to one of its bytes occupies one byte per
// data item; writes always move whole registers.
int64_t registerBytesPerItem(const INSTRUCTION& command, const FunctionCodeRecord& record,
                             bool dataFilter) {
    const bool oneByte = record.read && (command.swapMode == text::LowByte ||
                                         (command.swapMode == text::HighByte && dataFilter));
    return oneByte ? 1 : 2;
}

ConflictEntry commandEntry(const INSTRUCTION& command, const FunctionCodeRecord& record,
                           bool dataFilter) {
    ConflictEntry entry;
    entry.code = record.code;
    const int64_t n = leadingDecimal(command.dataCount);
    const int64_t b = leadingDecimal(command.bitOffset);
    const auto address = parseMapAddress(command.mapAddress);
    // A command whose address was never set has nowhere to be painted.
    if (!address)
        return entry;
    const int64_t a = *address;
    const auto map = record.read ? Footprint::Map::Input : Footprint::Map::Write;
    entry.repaintFirst = a;
    if (record.bits) {
        entry.footprint = {map, a * 8 + b, n};
        entry.repaintCount = (n + b + 7) / 8;
    } else {
        entry.footprint = {map, a * 8, registerBytesPerItem(command, record, dataFilter) * n * 8};
        entry.repaintCount = 2 * n;
    }
    return entry;
}

// The part of [first, first + count) that lies inside [0, size).
std::pair<int64_t, int64_t> clip(int64_t first, int64_t count, int64_t size) {
    const int64_t begin = std::clamp<int64_t>(first, 0, size);
    const int64_t end = std::clamp<int64_t>(first + std::max<int64_t>(count, 0), 0, size);
    return {begin, end};
}

bool anyAtLeast(const int16_t* counts, int value) {
    return std::any_of(counts, counts + 8, [value](int16_t c) { return c >= value; });
}

bool anyEqual(const int16_t* counts, int value) {
    return std::any_of(counts, counts + 8, [value](int16_t c) { return c == value; });
}

MapColour inputColour(int16_t input, int16_t write) {
    if (input >= 2 || write >= 2)
        return MapColour::Red;
    if (write == 1)
        return MapColour::Yellow;
    if (input == 1)
        return MapColour::Green;
    return MapColour::Free;
}

MapColour outputColour(int16_t write) {
    if (write >= 2)
        return MapColour::Red;
    if (write == 1)
        return MapColour::Blue;
    return MapColour::Free;
}

} // namespace

std::optional<Rgb> mapColourRgb(MapColour colour) {
    switch (colour) {
    case MapColour::Green:
        return Rgb{0, 255, 0};
    case MapColour::Blue:
        return Rgb{0, 0, 255};
    case MapColour::Red:
        return Rgb{255, 0, 0};
    case MapColour::Yellow:
        return Rgb{255, 255, 0};
    case MapColour::Free:
        break;
    }
    return std::nullopt;
}

std::string_view mapColourName(MapColour colour) {
    switch (colour) {
    case MapColour::Green:
        return "green";
    case MapColour::Blue:
        return "blue";
    case MapColour::Red:
        return "red";
    case MapColour::Yellow:
        return "yellow";
    case MapColour::Free:
        break;
    }
    return "free";
}

std::string mapRowLabel(MapArea area, int row) {
    return mapByteLabel(area, row * kMapColumns);
}

std::string mapColourLegend(MapColour colour) {
    switch (colour) {
    case MapColour::Green:
        return std::string(loadString(msg::LegendInput));
    case MapColour::Blue:
        return std::string(loadString(msg::LegendOutput));
    case MapColour::Red:
        return std::string(loadString(msg::LegendConflict));
    case MapColour::Yellow:
        return std::string(loadString(msg::LegendLocalDataExchange));
    case MapColour::Free:
        break;
    }
    return {};
}

std::string mapByteLabel(MapArea area, int byte) {
    const int address = (area == MapArea::Output ? kOutputAreaStart : 0) + byte;
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(address));
    return buffer;
}

std::string conflictEntryText(const ConflictEntry& entry) {
    const int code = entry.code < 0 ? -entry.code : entry.code;
    if (code == kStatusEntryCode)
        return std::string(loadString(msg::CommandStatusEntry));
    const FunctionCodeRecord* record = functionCodeRecord(code);
    return record ? std::string(loadString(record->name)) : std::string();
}

std::vector<ConflictEntry> buildConflictEntries(const Project& project) {
    std::vector<ConflictEntry> entries;
    const int64_t statusBytes = commandStatusBytes(project.store.subnets[0]);
    if (project.device.commandStatus && statusBytes > 0) {
        ConflictEntry status;
        status.code = kStatusEntryCode;
        status.footprint = {Footprint::Map::Input, 0, statusBytes * 8};
        status.repaintCount = statusBytes;
        entries.push_back(status);
    }
    // Commands with a code outside the eight would be blank rows that mark
    // nothing and a code of 0 could not even be unchecked: they get no row.
    for (int s = 0; s < kSubnetCount; ++s) {
        const CONFIG& subnet = project.store.subnets[s];
        for (int i = 0; i < usedCommandCount(subnet); ++i) {
            const INSTRUCTION& command = subnet.commands[i];
            const FunctionCodeRecord* record = functionCodeRecord(command);
            if (!record)
                continue;
            ConflictEntry entry = commandEntry(command, *record, project.device.dataFilter);
            entry.subnet = s;
            entry.command = i;
            entries.push_back(entry);
        }
    }
    return entries;
}

ConflictMaps ConflictMaps::open(const Project& project, MappingState& state) {
    ConflictMaps maps;
    maps.entries_ = buildConflictEntries(project);
    maps.inputUse_.assign(static_cast<std::size_t>(kInputBytes) * 8, 0);
    maps.writeUse_.assign(static_cast<std::size_t>(kWriteBytes) * 8, 0);
    for (const ConflictEntry& entry : maps.entries_)
        maps.apply(entry.footprint, +1);
    state.mappingConflict = maps.anyConflict();
    return maps;
}

void ConflictMaps::apply(const Footprint& footprint, int delta) {
    std::vector<int16_t>* counts = nullptr;
    if (footprint.map == Footprint::Map::Input)
        counts = &inputUse_;
    else if (footprint.map == Footprint::Map::Write)
        counts = &writeUse_;
    else
        return;
    // Bits beyond the map belong to no cell and are left out.
    const auto [begin, end] =
        clip(footprint.firstBit, footprint.bitCount, static_cast<int64_t>(counts->size()));
    const auto d = static_cast<int16_t>(delta);
    for (int64_t p = begin; p < end; ++p)
        (*counts)[static_cast<std::size_t>(p)] =
            static_cast<int16_t>((*counts)[static_cast<std::size_t>(p)] + d);
}

int ConflictMaps::inputUse(int bit, int64_t address) const {
    if (bit < 0 || bit > 7 || address < 0 || address >= kInputBytes)
        return 0;
    return inputUse_[static_cast<std::size_t>(address * 8 + bit)];
}

int ConflictMaps::writeUse(int bit, int64_t address) const {
    if (bit < 0 || bit > 7 || address < 0 || address >= kWriteBytes)
        return 0;
    return writeUse_[static_cast<std::size_t>(address * 8 + bit)];
}

MapColour ConflictMaps::cellColour(MapArea area, int byte) const {
    if (byte < 0 || byte >= kInputBytes)
        return MapColour::Free;
    if (area == MapArea::Output) {
        const int16_t* write = &writeUse_[static_cast<std::size_t>(kOutputAreaStart + byte) * 8];
        if (anyAtLeast(write, 2))
            return MapColour::Red;
        return anyEqual(write, 1) ? MapColour::Blue : MapColour::Free;
    }
    const int16_t* input = &inputUse_[static_cast<std::size_t>(byte) * 8];
    const int16_t* write = &writeUse_[static_cast<std::size_t>(byte) * 8];
    if (anyAtLeast(input, 2) || anyAtLeast(write, 2))
        return MapColour::Red;
    if (anyEqual(write, 1))
        return MapColour::Yellow;
    return anyEqual(input, 1) ? MapColour::Green : MapColour::Free;
}

MapColour ConflictMaps::bitColour(MapArea area, int byte, int bit) const {
    if (area == MapArea::Output)
        return outputColour(static_cast<int16_t>(writeUse(bit, kOutputAreaStart + int64_t{byte})));
    return inputColour(static_cast<int16_t>(inputUse(bit, byte)),
                       static_cast<int16_t>(writeUse(bit, byte)));
}

std::vector<CellSpan> ConflictMaps::toggle(std::size_t index, MappingState& state) {
    if (index >= entries_.size())
        return {};
    ConflictEntry& entry = entries_[index];
    entry.code = -entry.code;
    apply(entry.footprint, entry.checked() ? +1 : -1);

    std::vector<CellSpan> spans;
    const auto addSpan = [&spans](MapArea area, int64_t first, int64_t end, int64_t base) {
        if (end > first)
            spans.push_back({area, static_cast<int>(first - base), static_cast<int>(end - first)});
    };
    if (entry.writes()) {
        const auto [begin, end] = clip(entry.repaintFirst, entry.repaintCount, kWriteBytes);
        addSpan(MapArea::Input, begin, std::min<int64_t>(end, kOutputAreaStart), 0);
        addSpan(MapArea::Output, std::max<int64_t>(begin, kOutputAreaStart), end, kOutputAreaStart);
    } else if (entry.footprint.map == Footprint::Map::Input) {
        const auto [begin, end] = clip(entry.repaintFirst, entry.repaintCount, kInputBytes);
        addSpan(MapArea::Input, begin, end, 0);
    }
    for (const CellSpan& span : spans)
        for (int byte = span.first; byte < span.first + span.count; ++byte)
            if (cellColour(span.area, byte) == MapColour::Red)
                state.mappingConflict = true;
    return spans;
}

bool ConflictMaps::anyConflict() const {
    const auto twice = [](int16_t c) { return c >= 2; };
    return std::any_of(inputUse_.begin(), inputUse_.end(), twice) ||
           std::any_of(writeUse_.begin(), writeUse_.end(), twice);
}

} // namespace brenmoor
