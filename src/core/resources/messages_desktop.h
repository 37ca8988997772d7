#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// What the window adds around the program's own texts so that a user can
// tell things apart and follow what happens: progress, tooltips, status
// messages and the names a screen reader announces.
inline constexpr MessageId TransferCommandOf{2000};
inline constexpr MessageId TransferRequestsOf{2001};
inline constexpr MessageId SummaryLine{2002};
inline constexpr MessageId ToolTipConflictDetect{2003};
inline constexpr MessageId WorkbookWritten{2004};
inline constexpr MessageId CheckMarkName{2005};

} // namespace brenmoor::msg
