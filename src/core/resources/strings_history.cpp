#include "core/resources/messages_history.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::HistoryPlaceholder, "Undo"},
};
} // namespace

std::span<const StringEntry> historyStrings() {
    return kEntries;
}

} // namespace brenmoor
