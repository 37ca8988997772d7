#pragma once

#include <string_view>

namespace brenmoor {

// The text without the blanks, tabs and line ends around it: how typed names
// and script lines are read.
inline std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace brenmoor
