#include "core/resources/messages_desktop.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::TransferCommandOf, "%1 of %2"},
    {msg::TransferRequestsOf, "%1 of %2 requests"},
    {msg::SummaryLine, "%1: %2"},
    {msg::ToolTipConflictDetect, "Conflict Detect"},
    {msg::WorkbookWritten, "Workbook written: %1"},
    {msg::CheckMarkName, "Check mark"},
};
} // namespace

std::span<const StringEntry> desktopStrings() {
    return kEntries;
}

} // namespace brenmoor
