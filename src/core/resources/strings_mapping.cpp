#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {MessageId{0}, ""},
};
} // namespace

std::span<const StringEntry> mappingStrings() { return std::span(kEntries).subspan(1); }

} // namespace brenmoor
