#pragma once

#include "core/resources/message_id.h"

#include <span>
#include <string>
#include <string_view>

namespace brenmoor {

struct StringEntry;

// The program's own texts, looked up by id. An unknown id yields an empty
// text (and is caught by the tests, which check every id in use).
std::string_view loadString(MessageId id);

// Every entry of every fragment, for the consistency tests.
std::span<const StringEntry> allStrings();

// printf-style formatting of a table text with one integer ("Subnet% d ...").
std::string formatMessage(MessageId id, int value);
// printf-style formatting of a table text with one text ("Node-% s ...").
std::string formatMessage(MessageId id, std::string_view value);
// The framework's "%1" placeholder, as used by the file error texts.
std::string replacePlaceholder(std::string_view text, std::string_view value);

} // namespace brenmoor
