#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// Auto Mapping.
inline constexpr MessageId AutoMappingQuestion{61644};
inline constexpr MessageId MappingAddressExceeds{61627};
inline constexpr MessageId ProfibusConfigDataError{61643};

// Mapping checks and questions of a download.
inline constexpr MessageId InputMappingOutOfRange{64721};  // "% s": slave address
inline constexpr MessageId OutputMappingOutOfRange{64722}; // "% s": slave address
inline constexpr MessageId MappingConflictQuestion{61614};
inline constexpr MessageId MappingOverflowQuestion{61615};

// Completeness check of the Download dialog.
inline constexpr MessageId ConfigurationNotComplete{61611};
inline constexpr MessageId BufferSumTooLarge{61641};
inline constexpr MessageId NotCompleteHeader{61642};       // prefix of the texts below
inline constexpr MessageId ResponseTimeoutUnfilled{61679}; // "% d": subnet number
inline constexpr MessageId PollDelayUnfilled{61680};
inline constexpr MessageId PulseOutputUnfilled{65016};
inline constexpr MessageId ScanRateUnfilled{65018};
inline constexpr MessageId NodeAddressVacant{64715};
inline constexpr MessageId SubnetNextNode{64716}; // followed by the slave address and one of:
inline constexpr MessageId StartAddressUnfilled{64717};
inline constexpr MessageId DataCountUnfilled{64718};
inline constexpr MessageId MapAddressUnfilled{64719};
inline constexpr MessageId BitOffsetUnfilled{64720};

// Conflict Detection dialog texts.
inline constexpr MessageId CommandStatusEntry{1300};
inline constexpr MessageId ConflictDialogTitle{1301};
inline constexpr MessageId CommandListLabel{1302};
inline constexpr MessageId InputAreaLabel{1303};
inline constexpr MessageId OutputAreaLabel{1304};
inline constexpr MessageId LegendInput{1305};
inline constexpr MessageId LegendOutput{1306};
inline constexpr MessageId LegendConflict{1307};
inline constexpr MessageId LegendLocalDataExchange{1308};
inline constexpr MessageId AutoMappingCommand{1309};
inline constexpr MessageId ConflictDetectionCommand{1310};
inline constexpr MessageId ConflictDetectTooltip{1311};

} // namespace brenmoor::msg
