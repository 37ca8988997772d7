#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// A placeholder so the fragment is never empty; replace with the real texts.
inline constexpr MessageId SerialDialogPlaceholder{1850};

} // namespace brenmoor::msg
