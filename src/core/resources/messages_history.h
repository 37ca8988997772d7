#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// Edit menu: Undo and Redo.
inline constexpr MessageId MenuUndo{1950};
inline constexpr MessageId MenuRedo{1951};

// The comparison commands and their window.
inline constexpr MessageId MenuCompareWithFile{1955};
inline constexpr MessageId MenuCompareWithGateway{1956};
inline constexpr MessageId CompareTitle{1957};
inline constexpr MessageId CompareCount{1959};
inline constexpr MessageId CompareColumnPlace{1960};
inline constexpr MessageId CompareColumnParameter{1961};
inline constexpr MessageId CompareColumnThis{1962};
inline constexpr MessageId CompareColumnNote{1963};
inline constexpr MessageId CompareNoteNotSent{1964};
inline constexpr MessageId CompareGatewayName{1965};
inline constexpr MessageId CompareHeading{1966};
inline constexpr MessageId CompareClose{1967};
inline constexpr MessageId CompareReadingTitle{1968};
inline constexpr MessageId CompareNoteSameBytes{1969};
// Against a gateway: also list what does not tell the gateway apart.
inline constexpr MessageId CompareShowEveryField{1970};

} // namespace brenmoor::msg
