#pragma once

#include "core/resources/message_id.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace brenmoor {

// A table text with its placeholders %1 to %9 replaced by the values in
// order. The comparison's lines carry several values each, which the
// printf-style formatting of the table cannot take.
std::string fillIn(MessageId id, std::initializer_list<std::string_view> values);
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values);

} // namespace brenmoor
