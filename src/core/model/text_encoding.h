#pragma once

#include <string>
#include <string_view>

namespace brenmoor {

// Texts in project files are bytes of the Windows code page the file was
// written under: this program writes only ASCII and UTF-8 (what a user types
// here), but files of other editions carry Windows-1252 bytes such as a node
// named "Pumpe S\xFCd". The store keeps every text as the bytes it was read
// as, so a file opened and saved again keeps them exactly.
//
// Whatever hands a stored text on as UTF-8 (the window, JSON, the workbook,
// the comparison's lines, the terminal) passes it through here: a text that
// is valid UTF-8 stays as it is; any other text is read as Windows-1252 as a
// whole, its five unassigned bytes as the control characters Windows maps
// them to. The result is always valid UTF-8.
std::string utf8Text(std::string_view stored);

bool isValidUtf8(std::string_view text);

// The number of characters of a valid UTF-8 text (what a workbook cell's
// limit counts).
size_t utf8Length(std::string_view text);

} // namespace brenmoor
