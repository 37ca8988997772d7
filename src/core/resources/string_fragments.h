#pragma once

#include "core/resources/message_id.h"

#include <span>
#include <string_view>

namespace brenmoor {

struct StringEntry {
    MessageId id;
    std::string_view text;
};

// Each subsystem owns one fragment of the string table, defined in
// strings_<subsystem>.cpp. Ids without a number of their own are taken from
// the subsystem's range:
//   model 1000-1099, editor 1100-1299, mapping 1300-1399, serial 1400-1499,
//   monitor 1500-1599 (its diagnostics from 1530), export 1600-1699, gui 1700-1849, serial dialogs
//   1850-1899, comparison and read-back 1900-1949, history and the
//   comparison window 1950-1999, the window's progress, tooltips, status
//   messages and accessible names 2000-2049, commissioning documents
//   2400-2499.
std::span<const StringEntry> modelStrings();
std::span<const StringEntry> editorStrings();
std::span<const StringEntry> mappingStrings();
std::span<const StringEntry> serialStrings();
std::span<const StringEntry> monitorStrings();
std::span<const StringEntry> monitorDiagnosticsStrings();
std::span<const StringEntry> exportStrings();
std::span<const StringEntry> guiStrings();
std::span<const StringEntry> serialDialogStrings();
std::span<const StringEntry> compareStrings();
std::span<const StringEntry> historyStrings();
std::span<const StringEntry> documentStrings();
std::span<const StringEntry> desktopStrings();

} // namespace brenmoor
