#include "core/resources/messages_serial_dialogs.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::SerialDialogPlaceholder, "Verify after download"},
};
} // namespace

std::span<const StringEntry> serialDialogStrings() {
    return kEntries;
}

} // namespace brenmoor
