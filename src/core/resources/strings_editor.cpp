#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {MessageId{0}, ""},
};
} // namespace

std::span<const StringEntry> editorStrings() { return std::span(kEntries).subspan(1); }

} // namespace brenmoor
