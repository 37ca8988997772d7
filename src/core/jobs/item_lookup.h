#pragma once

#include "core/editor/configuration_editor.h"

#include <string>
#include <string_view>
#include <variant>

namespace brenmoor {

// A tree item named the way users name it: "fieldbus", "subnet", "node N"
// or "command N", N being the item's number as its page shows it.
struct ItemName {
    ItemKind kind = ItemKind::None;
    int number = 0; // for Node and Command
};

// Why a text names no item.
struct ItemNameError {
    enum class Kind {
        UnknownKind,  // the first word is none of the four
        TrailingText, // "fieldbus" or "subnet" followed by more
        NotANumber,   // "node" or "command" without a plain decimal number
    } kind;
    std::string word; // the first word (fieldbus, node, ...)
    std::string text; // the rest that was refused
};

// Reads an item name: words separated by blanks, lower-case kinds, a plain
// decimal number (std::from_chars) for nodes and commands.
std::variant<ItemName, ItemNameError> parseItemName(std::string_view text);

// The item of the editor's tree with that name; kNoItem when the tree has
// none (no such node or command).
ItemId findItem(const ConfigurationEditor& editor, const ItemName& name);

} // namespace brenmoor
