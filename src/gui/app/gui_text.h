#pragma once

#include "core/resources/message_id.h"
#include "core/resources/string_table.h"

#include <QString>

#include <string_view>

namespace brenmoor::gui {

inline QString qtext(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the program's string table.
inline QString qtext(MessageId id) {
    return qtext(loadString(id));
}

} // namespace brenmoor::gui
