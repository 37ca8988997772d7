#pragma once

#include "core/model/text_encoding.h"
#include "core/resources/message_id.h"
#include "core/resources/string_table.h"

#include <QString>

#include <string_view>

namespace brenmoor::gui {

// Every text the window shows comes through here, so a stored text of
// another edition's code page shows readably.
inline QString qtext(std::string_view text) {
    return QString::fromStdString(utf8Text(text));
}

// A text of the program's string table.
inline QString qtext(MessageId id) {
    return qtext(loadString(id));
}

} // namespace brenmoor::gui
