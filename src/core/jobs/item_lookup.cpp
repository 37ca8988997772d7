#include "core/jobs/item_lookup.h"

#include "core/model/blank_trim.h"

#include <charconv>

namespace brenmoor {

std::variant<ItemName, ItemNameError> parseItemName(std::string_view text) {
    text = trimmed(text);
    const auto blank = text.find_first_of(" \t\r\n");
    const std::string_view word = text.substr(0, blank);
    const std::string_view rest =
        blank == std::string_view::npos ? std::string_view{} : trimmed(text.substr(blank));
    if (word == "fieldbus" || word == "subnet") {
        if (!rest.empty())
            return ItemNameError{ItemNameError::Kind::TrailingText, std::string(word),
                                 std::string(rest)};
        return ItemName{word == "fieldbus" ? ItemKind::Fieldbus : ItemKind::Subnet, 0};
    }
    if (word == "node" || word == "command") {
        int number = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
        if (rest.empty() || error != std::errc() || end != rest.data() + rest.size())
            return ItemNameError{ItemNameError::Kind::NotANumber, std::string(word),
                                 std::string(rest)};
        return ItemName{word == "node" ? ItemKind::Node : ItemKind::Command, number};
    }
    return ItemNameError{ItemNameError::Kind::UnknownKind, std::string(word), std::string(rest)};
}

ItemId findItem(const ConfigurationEditor& editor, const ItemName& name) {
    const ConfigurationTree& tree = editor.tree();
    switch (name.kind) {
    case ItemKind::Fieldbus:
        return tree.firstRoot();
    case ItemKind::Subnet:
        return findSubnetRoot(tree);
    case ItemKind::Node:
        return editor.nodeItem(name.number);
    case ItemKind::Command:
        return editor.commandItem(name.number);
    case ItemKind::None:
        break;
    }
    return kNoItem;
}

} // namespace brenmoor
