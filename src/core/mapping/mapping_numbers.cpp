#include "core/mapping/mapping_numbers.h"

#include "core/model/store_texts.h"

#include <algorithm>
#include <string>

namespace brenmoor {
std::optional<int64_t> parseMapAddress(std::string_view text) {
    if (text == text::NotSet)
        return std::nullopt;
    return leadingHexDigits(text);
}

int64_t commandStatusBytes(const CONFIG& subnet) {
    return leadingDecimal(subnet.master.commandStatus);
}

int usedCommandCount(const CONFIG& subnet) {
    return std::clamp(subnet.commandCount, 0, kMaxCommands);
}

} // namespace brenmoor
