#include "core/editor/command_catalog.h"

#include "core/resources/string_table.h"

namespace brenmoor {

std::string selectCommandEntry(int position) {
    const auto records = functionCodeRecords();
    if (position < 0 || position >= static_cast<int>(records.size()))
        return {};
    const FunctionCodeRecord& record = records[static_cast<size_t>(position)];
    std::string entry = std::to_string(record.code) + " ";
    if (entry.size() < 3)
        entry.insert(0, "0");
    return entry + std::string(loadString(record.name));
}

std::optional<int> listPositionOfCode(int functionCode) {
    const auto records = functionCodeRecords();
    for (size_t p = 0; p < records.size(); ++p)
        if (records[p].code == functionCode)
            return static_cast<int>(p);
    return std::nullopt;
}

std::optional<std::string> commandTreeText(std::string_view functionCode) {
    const FunctionCodeRecord* record = functionCodeRecord(functionCodeOf(functionCode));
    if (!record)
        return std::nullopt;
    return std::string(loadString(record->name));
}

} // namespace brenmoor
