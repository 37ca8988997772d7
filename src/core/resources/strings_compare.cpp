#include "core/resources/messages_compare.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::ComparePlaceholder, "The configurations are the same."},
};
} // namespace

std::span<const StringEntry> compareStrings() {
    return kEntries;
}

} // namespace brenmoor
