#pragma once

#include "core/model/parameter_store.h"

#include <span>
#include <string>
#include <string_view>

namespace brenmoor {

// Name-addressed access to the text fields of the records, for the code that
// walks every field (JSON, listings, comparisons) instead of naming each one.

struct FieldbusField {
    std::string_view name;
    std::string FIELDBUS::*member;
};

struct ConfigField {
    std::string_view name;
    std::string& (*ref)(CONFIG&);

    const std::string& get(const CONFIG& config) const { return ref(const_cast<CONFIG&>(config)); }
};

struct NodeField {
    std::string_view name;
    std::string NODE::*member;
};

struct InstructionField {
    std::string_view name;
    std::string INSTRUCTION::*member;
};

// All thirteen FIELDBUS fields, in declaration order.
std::span<const FieldbusField> fieldbusFields();
// doubleFaultClear, protocolMode, then every field of the four groups.
std::span<const ConfigField> configFields();
// address, name.
std::span<const NodeField> nodeFields();
// The ten texts of a command, in declaration order.
std::span<const InstructionField> instructionFields();

} // namespace brenmoor
