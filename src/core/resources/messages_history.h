#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// A placeholder so the fragment is never empty; replace with the real texts.
inline constexpr MessageId HistoryPlaceholder{1950};

} // namespace brenmoor::msg
